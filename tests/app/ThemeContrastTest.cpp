// Every window's texts against what is behind them, under a light and a dark desktop theme
// (GTK's Adwaita through Qt's gtk3 platform theme): each text must stand out at 4.5:1 or more,
// and no text may be cut off or stand over another, in the language of the environment.

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
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QRadioButton>
#include <QStyle>
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

// Where the ink lies in a picture of a widget, inside a frame of this many pixels: the pixels
// that differ clearly from its face (the colour most of it shows).
QRect inkBounds(const QImage& image, int frame = 0) {
    const QRgb face = inksOf(image).background.rgb();
    QRect ink;
    for (int y = frame; y < image.height() - frame; ++y) {
        for (int x = frame; x < image.width() - frame; ++x) {
            if (std::abs(qGray(image.pixel(x, y)) - qGray(face)) > 48) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

// Where a widget's text stands, in window coordinates: a label's ink; a check box's indicator
// and text, as wide as they need within the widget; any other widget's whole face.
QRect textPlace(QWidget* widget, const QWidget* window) {
    QRect place = widget->rect();
    if (qobject_cast<const QLabel*>(widget) != nullptr) {
        place = inkBounds(widget->grab().toImage());
    } else if (qobject_cast<const QCheckBox*>(widget) != nullptr ||
               qobject_cast<const QRadioButton*>(widget) != nullptr) {
        place.setWidth(std::min(widget->width(), widget->sizeHint().width()));
    }
    return QRect(widget->mapTo(window, place.topLeft()), place.size());
}

// Texts that stand over one another: each visible text-bearing widget against every other that
// is not its own part.
QStringList overlapsIn(QWidget* window) {
    QList<QWidget*> texts;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisible()) {
            continue;
        }
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* button = qobject_cast<QAbstractButton*>(w);
        if ((label != nullptr && !label->text().trimmed().isEmpty() && label->pixmap().isNull()) ||
            (button != nullptr && !button->text().isEmpty()) ||
            qobject_cast<QComboBox*>(w) != nullptr || qobject_cast<QLineEdit*>(w) != nullptr) {
            texts.append(w);
        }
    }
    const auto textOf = [](const QWidget* w) {
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            return label->text();
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            return button->text();
        }
        return QString::fromLatin1(w->metaObject()->className());
    };
    QStringList failures;
    QList<QRect> places;
    for (QWidget* w : texts) {
        places.append(textPlace(w, window));
    }
    for (qsizetype i = 0; i < texts.size(); ++i) {
        for (qsizetype j = i + 1; j < texts.size(); ++j) {
            if (texts[i]->isAncestorOf(texts[j]) || texts[j]->isAncestorOf(texts[i])) {
                continue;
            }
            if (places[i].intersects(places[j])) {
                failures.append(QStringLiteral("\"%1\" overlaps \"%2\" at (%3, %4)")
                                    .arg(textOf(texts[i]), textOf(texts[j]))
                                    .arg(places[i].intersected(places[j]).x())
                                    .arg(places[i].intersected(places[j]).y()));
            }
        }
    }
    return failures;
}

// What keeps a window's texts from being read: a text that does not stand out at 4.5:1 from
// what is behind it, that is cut off, or that stands over another. The window is saved to
// SV_THEME_DUMP when it is set.
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
            const QRect ink = inkBounds(face, 1);
            const int first = ink.isNull() ? face.width() : ink.left();
            const int last = ink.isNull() ? -1 : ink.right();
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
    return failures + overlapsIn(window);
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
