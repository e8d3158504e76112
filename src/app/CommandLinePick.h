#pragma once
// Spectrivue --pick: one pick over the whole screen with no main window, the kept colour
// printed on standard output (and put on the clipboard with --copy) and added to the history.
// X11: the live pick, with the loupe, the steps and Escape; where the screen cannot be read
// (Wayland), the desktop portal's frozen frame. finished() gives the exit status: 0 kept,
// 1 cancelled, 2 failed (with a line on standard error).

#include "app/CommandLine.h"
#include "color/ColorSelection.h"
#include "settings/PickFormats.h"

#include <QDeadlineTimer>
#include <QObject>
#include <cstdio>
#include <memory>

class QWidget;

namespace sv {

class Options;
class PortalPicker;
class ScreenReader;
class ScreenSampler;
class SettingsFile;

class CommandLinePick : public QObject {
    Q_OBJECT
public:
    // format must be ok(); sampleSize and loupe as the options hold them, or --average's.
    CommandLinePick(ScreenReader& screen, PickFormat format, bool copy, int sampleSize, bool loupe,
                    std::FILE* output = stdout, std::FILE* errors = stderr);
    ~CommandLinePick() override;

    void start();
    ScreenSampler* sampler() const { return sampler_; }
    PortalPicker* portalPicker() const { return portal_; }

signals:
    void finished(int status);

private:
    void grabUntilFree(QDeadlineTimer deadline);
    void keep(ColorValue color);
    void fail(const QString& why);

    ScreenReader& screen_;
    PickFormat format_;
    bool copy_;
    int sampleSize_;
    bool loupe_;
    std::FILE* output_;
    std::FILE* errors_;
    ColorSelection selection_;
    std::unique_ptr<QWidget> grabber_;
    ScreenSampler* sampler_ = nullptr;
    PortalPicker* portal_ = nullptr;
    bool ended_ = false;
};

// The user's own formats, which a pick may name beside the built-in ones, from the settings.
std::vector<OwnFormat> storedOwnFormats(SettingsFile& store);

} // namespace sv
