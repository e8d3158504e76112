#!/usr/bin/env bash
# Runs a test in a mount namespace of its own when it may make one (as root), so the small
# file systems it mounts are seen by nobody else and vanish with it.
if [ "$(id -u)" = 0 ] && unshare -m --propagation private true 2>/dev/null; then
    exec unshare -m --propagation private "$@"
fi
exec "$@"
