// Every window's texts against what is behind them, under a light and a dark desktop theme
// (GTK's Adwaita through Qt's gtk3 platform theme): each text must stand out at 4.5:1 or more,
// and no label may be cut off, in the language of the environment.

#include "MainWindowFixture.h"

#include "app/StartupSplash.h"
#include "app/ToolWindows.h"
#include "app/Translations.h"
#include "color/Contrast.h"
#include "palette/NamesPanel.h"
#include "widgets/CaptionedLine.h"
#include "widgets/ImageButton.h"
#include "widgets/QtColor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QRadioButton>
#include <QTest>

using namespace sv;
using namespace sv::test;

namespace {

// The colour most of the widget shows (its background), and the one that stands out from it
// most (the core of its text's strokes).
struct Inks {
    QColor background;
    QColor text;
};

Inks inksOf(const QImage& image) {
    QMap<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixel(x, y) | 0xFF000000u];
        }
    }
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    QRgb text = background;
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double ratio = wcagContrastRatio(fromQRgb(it.key()), fromQRgb(background));
        if (ratio > best) {
            best = ratio;
            text = it.key();
        }
    }
    return {QColor(background), QColor(text)};
}

// The first and last columns holding a caption's ink, inside a button's one-pixel frame: the
// pixels that differ clearly from its face (the colour most of it shows).
std::pair<int, int> inkColumns(const QImage& button) {
    const QRgb face = inksOf(button).background.rgb();
    int first = button.width();
    int last = -1;
    for (int y = 1; y < button.height() - 1; ++y) {
        for (int x = 1; x < button.width() - 1; ++x) {
            const QRgb px = button.pixel(x, y);
            if (std::abs(qGray(px) - qGray(face)) > 48) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

// What keeps a window's texts from being read: a text that does not stand out at 4.5:1 from
// what is behind it, or that is cut off. The window is saved to SV_THEME_DUMP when it is set.
QStringList faultsIn(QWidget* window) {
    if (!QTest::qWaitForWindowExposed(window)) {
        return {QStringLiteral("%1 never shown").arg(window->metaObject()->className())};
    }
    QStringList failures;
    const QString dump = qEnvironmentVariable("SV_THEME_DUMP");
    // The window as a whole, so each text is seen over what is really behind it.
    const QImage shown = window->grab().toImage();
    if (!dump.isEmpty()) {
        shown.save(dump + QLatin1Char('/') + window->metaObject()->className() +
                   QStringLiteral(".png"));
    }
    const auto cutOff = [&](const QString& text, int has, int needs,
                            const QString& extent = QString()) {
        failures.append(QStringLiteral("\"%1\" cut off: %2 of %3 pixels%4")
                            .arg(text)
                            .arg(has)
                            .arg(needs)
                            .arg(extent));
    };
    // A text fails when it does not stand out at 4.5:1 from what is behind it.
    const auto checkContrast = [&](const QString& text, const QRect& place) {
        const Inks inks = inksOf(shown.copy(place));
        const double ratio = wcagContrastRatio(fromQColor(inks.text), fromQColor(inks.background));
        if (ratio < 4.5) {
            failures.append(QStringLiteral("%1 \"%2\": %3 on %4, %5:1")
                                .arg(QString::fromLatin1(window->metaObject()->className()), text,
                                     inks.text.name(), inks.background.name())
                                .arg(ratio, 0, 'f', 2));
        }
    };
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->window() != window || !label->isVisible() || label->text().trimmed().isEmpty() ||
            !label->pixmap().isNull()) {
            continue;
        }
        checkContrast(label->text(), QRect(label->mapTo(window, QPoint(0, 0)), label->size()));
        if (label->width() < label->sizeHint().width() && !label->wordWrap()) {
            cutOff(label->text(), label->width(), label->sizeHint().width());
        }
        // A text that wraps needs its lines' height.
        if (label->wordWrap() && label->height() < label->heightForWidth(label->width())) {
            cutOff(label->text(), label->height(), label->heightForWidth(label->width()),
                   QStringLiteral(" high"));
        }
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->window() != window || !button->isVisible() || button->text().isEmpty()) {
            continue;
        }
        // Our buttons paint their caption: it must keep clear of the frame.
        if (qobject_cast<ImageButton*>(button) != nullptr) {
            const QImage face = button->grab().toImage();
            const auto [first, last] = inkColumns(face);
            if (first < 3 || last > face.width() - 4) {
                failures.append(QStringLiteral("\"%1\" touches its frame: ink from %2 to "
                                               "%3 in %4 pixels")
                                    .arg(button->text())
                                    .arg(first)
                                    .arg(last)
                                    .arg(face.width()));
            }
            continue;
        }
        // A radio button or check box needs its indicator beside the text.
        const int needed = button->sizeHint().width();
        if (button->width() < needed) {
            cutOff(button->text(), button->width(), needed);
        }
    }
    // A choice list must be wide enough for its longest choice.
    for (QComboBox* combo : window->findChildren<QComboBox*>()) {
        if (combo->window() == window && combo->isVisible() &&
            combo->width() < combo->sizeHint().width()) {
            cutOff(combo->currentText(), combo->width(), combo->sizeHint().width());
        }
    }
    // A line's text must show whole: its width with the line's own margins.
    for (QLineEdit* line : window->findChildren<QLineEdit*>()) {
        if (line->window() != window || !line->isVisible() || line->text().isEmpty()) {
            continue;
        }
        const QMargins margins = line->textMargins();
        const int needed = line->fontMetrics().horizontalAdvance(line->text()) + margins.left() +
                           margins.right() + (line->hasFrame() ? 8 : 4);
        if (line->width() < needed) {
            cutOff(line->text(), line->width(), needed);
        }
    }
    // Headings are painted, not labels: the strongest ink over their own rows.
    for (CaptionedLine* heading : window->findChildren<CaptionedLine*>()) {
        if (heading->window() != window || !heading->isVisible()) {
            continue;
        }
        const int textWidth = heading->fontMetrics().horizontalAdvance(heading->caption());
        checkContrast(heading->caption(), QRect(heading->mapTo(window, QPoint(0, 0)),
                                                QSize(textWidth, heading->height())));
    }
    return failures;
}

} // namespace

class ThemeContrastTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The desktop theme must really be in force, or a pass would prove nothing.
        const bool dark = qEnvironmentVariable("GTK_THEME").endsWith(QStringLiteral(":dark"));
        const int lightness = QApplication::palette().color(QPalette::Window).lightness();
        QVERIFY2(dark ? lightness < 100 : lightness > 200,
                 qPrintable(QStringLiteral("window colour %1 under GTK_THEME=%2")
                                .arg(QApplication::palette().color(QPalette::Window).name(),
                                     qEnvironmentVariable("GTK_THEME"))));
        const bool english = QLocale().name() == QLatin1String("C");
        QCOMPARE(installTranslations(*qApp, QLocale(), QStringLiteral(SV_TRANSLATIONS)), !english);
        // Without a font for the script, every character would be the same empty box, and a
        // cut-off text could pass unseen.
        const QMap<QLocale::Language, QFontDatabase::WritingSystem> scripts{
            {QLocale::Japanese, QFontDatabase::Japanese},
            {QLocale::Chinese, QFontDatabase::SimplifiedChinese},
            {QLocale::Russian, QFontDatabase::Cyrillic}};
        const auto script = scripts.constFind(QLocale().language());
        if (script != scripts.cend()) {
            QVERIFY2(!QFontDatabase::families(*script).isEmpty(),
                     qPrintable(QLocale().name() + QStringLiteral(": no font for its script")));
        }
    }

    void everyTextIsReadableAndWhole() {
        MainWindowFixture f;
        QVERIFY(f.show());
        // The details window's samples show the user's colours: black text on white here.
        f.selection().reset(kWhite);
        f.selection().setCurrent(kBlack);
        ToolWindows* tools = f.window->toolWindows();
        tools->showOptions();
        tools->showGradientGenerator();
        tools->showAbout();
        tools->showColorDetails();
        tools->showPictureColors();
        tools->showMagnifier();
        tools->showColorGrid();
        tools->showHistory();
        f.window->namesPanel()->open({20, 40});
        QList<QWidget*> windows{f.window.get()};
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w != f.window.get()) {
                windows.append(w);
            }
        }
        QStringList failures;
        for (QWidget* window : windows) {
            failures.append(faultsIn(window));
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("\n"))));
    }

    // The splash as it first shows, checked before it starts loading the names.
    void theSplashIsReadableAndWhole() {
        MainWindowFixture f;
        StartupSplash splash([&]() -> MainWindow& { return *f.window; });
        splash.show();
        const QStringList failures = faultsIn(&splash);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("\n"))));
    }
};

QTEST_MAIN(ThemeContrastTest)
#include "ThemeContrastTest.moc"
