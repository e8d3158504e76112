// The main window's tool tips in the language of the environment the test runs in: in every
// language Spectrivue speaks, every tool tip with words is translated, and none is empty; under
// C they are exactly the program's own texts, blanks included.
#include "MainWindowFixture.h"
#include "app/TitleBar.h"
#include "app/ToolWindows.h"
#include "app/Translations.h"
#include "dialogs/ColorDetailsWindow.h"
#include "palette/NamedColors.h"

#include <QLocale>
#include <QRegularExpression>

using namespace sv;
using namespace sv::test;

class TranslationTest : public QObject {
    Q_OBJECT

    // The tool tips of a window and of everything in it, in the order the widgets were made.
    static QStringList toolTips(QWidget& window) {
        QStringList tips{window.toolTip()};
        for (const QWidget* w : window.findChildren<QWidget*>()) {
            tips.append(w->toolTip());
        }
        return tips;
    }

private slots:
    void toolTipsFollowTheLanguage() {
        QStringList english;
        {
            MainWindowFixture untranslated;
            english = toolTips(*untranslated.window);
        }
        const bool translated =
            installTranslations(*qApp, QLocale(), QStringLiteral(SV_TRANSLATIONS));
        MainWindowFixture f;
        const QStringList shown = toolTips(*f.window);
        QCOMPARE(shown.size(), english.size());

        if (QLocale().name() != QLatin1String("C")) {
            QVERIFY(translated);
            const QRegularExpression words(QStringLiteral("[A-Za-z]{2}"));
            int compared = 0;
            for (qsizetype i = 0; i < english.size(); ++i) {
                if (!english[i].contains(words)) {
                    continue; // numbers only, as the sliders show
                }
                ++compared;
                QVERIFY2(!shown[i].trimmed().isEmpty(), qPrintable(english[i]));
                QVERIFY2(shown[i] != english[i], qPrintable(english[i]));
            }
            QVERIFY(compared >= 20);
            if (QLocale().name() == QLatin1String("pt_BR")) {
                QVERIFY(shown.contains(QStringLiteral("  Cor da Tela  - { F9 }  ")));
            }
            return;
        }
        QVERIFY(!translated);
        QCOMPARE(shown, english);
        const QStringList design{QStringLiteral("  Color from Screen  - { F9 }  "),
                                 QStringLiteral("  Gradient Creator  "),
                                 QStringLiteral("  Big Color Grid  "),
                                 QStringLiteral("  Capture Magnification  "),
                                 QStringLiteral("  Extract Bitmap Color  "),
                                 QStringLiteral("  Color Names  "),
                                 QStringLiteral("  System Color Picker  "),
                                 QStringLiteral("  Options...      "),
                                 QStringLiteral("  About Spectrivue  "),
                                 QStringLiteral("  New Palette  "),
                                 QStringLiteral("  Open Palette  "),
                                 QStringLiteral("  Save Palette  "),
                                 QStringLiteral("  Exit  "),
                                 QStringLiteral("  Actual color  "),
                                 QStringLiteral("  Last color  "),
                                 QStringLiteral("  Copy to Clipboard  "),
                                 QStringLiteral("  Up/Down  "),
                                 QStringLiteral("  Close Spectrivue  "),
                                 QStringLiteral("  Minimize Spectrivue  "),
                                 QStringLiteral("  On Top  ")};
        for (const QString& tip : design) {
            QVERIFY2(shown.contains(tip), qPrintable(tip));
        }
    }

    // Numbers are written with a point in every language, beside the other notations; the
    // title bar and the nearest name speak the language too. (After the tool tips: it keeps
    // the translation installed.)
    void numbersKeepTheirPointAndWordsFollowTheLanguage() {
        installTranslations(*qApp, QLocale(), QStringLiteral(SV_TRANSLATIONS));
        MainWindowFixture f;
        f.selection().setCurrent(rgb(10, 90, 91));
        f.window->toolWindows()->showColorDetails();
        const QString nearest = f.window->toolWindows()->colorDetails()->nearestNameText();
        QVERIFY2(nearest.contains(QRegularExpression(QStringLiteral("\u0394E \\d+\\.\\d{3}$"))),
                 qPrintable(nearest));
        f.selection().setCurrent(namedColorValue(1));
        const QString exact = f.window->toolWindows()->colorDetails()->nearestNameText();
        if (QLocale().name() == QLatin1String("pt_BR")) {
            QVERIFY2(exact.endsWith(QStringLiteral(" exato")), qPrintable(exact));
            QVERIFY(f.window->titleBar()->title().startsWith(
                QStringLiteral("Spectrivue [ Vers\u00e3o: ")));
        } else if (QLocale().name() != QLatin1String("C")) {
            const QString word = QCoreApplication::translate("sv::ColorDetailsWindow", "exact");
            QVERIFY2(exact.endsWith(QLatin1Char(' ') + word), qPrintable(exact));
        } else {
            QVERIFY2(exact.endsWith(QStringLiteral(" exact")), qPrintable(exact));
        }
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
