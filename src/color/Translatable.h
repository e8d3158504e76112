#pragma once
// Marks a sentence of the logic that a window shows, so the translation tools collect it under
// the window's context; the window translates it when it shows it. The logic stays free of Qt:
// without Qt's own definition, the mark is the text itself. Include in .cpp files only.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
