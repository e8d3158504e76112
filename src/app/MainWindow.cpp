#include "app/MainWindow.h"

#include "AppInfo.h"
#include "app/ComponentEditor.h"
#include "app/DesktopPortal.h"
#include "app/FrozenFramePick.h"
#include "app/NotationPanel.h"
#include "app/PointerReadout.h"
#include "app/PortalPicker.h"
#include "app/ScreenSampler.h"
#include "app/TitleBar.h"
#include "app/ToolWindows.h"
#include "color/Numeric.h"
#include "files/ProgramFolders.h"
#include "files/QtFileDialogs.h"
#include "gradient/GradientStrips.h"
#include "history/HistoryStore.h"
#include "palette/NamesPanel.h"
#include "palette/PaletteCommands.h"
#include "palette/PaletteFiles.h"
#include "palette/PaletteModel.h"
#include "palette/SwatchGrid.h"
#include "settings/Options.h"
#include "settings/PickFormats.h"
#include "widgets/Artwork.h"
#include "widgets/ColorBox.h"
#include "widgets/ImageButton.h"
#include "widgets/Panel.h"
#include "widgets/PlainText.h"
#include "widgets/PointerMotionWatcher.h"
#include "widgets/ScreenReader.h"
#include "widgets/Twips.h"
#include "widgets/WindowAccessible.h"
#include "widgets/WindowUtil.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDir>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>
#include <QWindow>
#include <utility>

namespace sv {

MainWindow::MainWindow(ScreenReader& screen, Options& options, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), screen_(screen), options_(options) {
    installWindowAccessibility();
    setWindowTitle(QString::fromLatin1(kAppTitle));
    setFixedSize(kSize);
    QFont f = font();
    f.setPointSizeF(8.5);
    setFont(f);

    titleBar_ = new TitleBar(this);
    pointerWatcher_ = PointerMotionWatcher::create();
    readout_ = new PointerReadout(screen_, this, pixelsFromTwips(9870, 585), pointerWatcher_.get());
    notations_ = new NotationPanel(this);
    notations_->move(502, 58);
    commands_ = CommandButtons::create(this);
    editor_ = new ComponentEditor(this);
    editor_->move(502, 318);
    buildColorViews();
    buildPalette();
    namesPanel_ = new NamesPanel(this);
    sampler_ = new ScreenSampler(screen_, selection_, currentSwatch_);
    // Where the screen cannot be read, picks go through the desktop portal.
    if (picksThroughPortal()) {
        portalPicker_ = new PortalPicker(selection_, this);
    } else {
        frozenPick_ = new FrozenFramePick(selection_, this);
    }
    history_ = new HistoryStore(HistoryStore::defaultPath(), this);
    connect(history_, &HistoryStore::cannotStore, this, [this](const QString& path) {
        // Not modal: picking goes on, and the history lasts in memory.
        openMessage(this, QMessageBox::Warning,
                    tr("The history of picks cannot be saved in %1.\nIt lasts until "
                       "Spectrivue ends.")
                        .arg(QDir::toNativeSeparators(path)));
    });
    toolWindows_ = new ToolWindows(*this, options_, selection_, *paletteModel_, screen_, *history_);
    // The palette, the first thing a user looks at after the notations, comes right after them
    // from the keyboard rather than last.
    QWidget::setTabOrder(notations_->copyButton(static_cast<Notation>(kNotationCount - 1)), grid_);
    connectColorSources();
    connectPicks();
    connectCommands();

    // The window previews keys before its controls.
    qApp->installEventFilter(this);
    // White until the start-up palette's first colour is shown.
    selection_.reset(kWhite);
    // It starts on top of all other windows.
    setOnTop(true);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

void MainWindow::buildColorViews() {
    currentSwatch_ = new ColorBox(this);
    currentSwatch_->setGeometry(pixelsFromTwips(QRect(5760, 645, 1560, 960)));
    currentSwatch_->setToolTip(tr("  Actual color  "));
    previousSwatch_ = new ColorBox(this);
    previousSwatch_->setGeometry(pixelsFromTwips(QRect(5760, 1845, 1560, 510)));
    previousSwatch_->setToolTip(tr("  Last color  "));
    previousSwatch_->setCursor(appCursor(AppCursor::PointingHand));
    strips_ = new GradientStrips(pixelsFromTwips(QRect(780, 6255, 4065, 450)),
                                 pixelsFromTwips(QRect(4830, 6255, 5490, 450)), this);

    connect(&selection_, &ColorSelection::changed, this,
            [this](ColorValue current, ColorValue previous) {
                notations_->showColor(current);
                editor_->showColor(current);
                currentSwatch_->setBackColor(current);
                previousSwatch_->setBackColor(previous);
                refreshStrips();
            });
    connect(&selection_, &ColorSelection::currentEdited, currentSwatch_, &ColorBox::setBackColor);
}

void MainWindow::buildPalette() {
    palettePanel_ = new Panel(this);
    palettePanel_->setGeometry(pixelsFromTwips(QRect(270, 705, 5220, 5220)));
    paletteModel_ = new PaletteModel(this);
    grid_ = new SwatchGrid(palettePanel_, *paletteModel_, selection_, options_.swatchMask());
    connect(grid_, &SwatchGrid::colorPicked, this,
            [this](ColorValue c) { selection_.setCurrent(c); });
    connect(&options_, &Options::changed, grid_, [this](OptionKey key) {
        if (key == OptionKey::IndexPicMask) {
            grid_->setMask(options_.swatchMask());
        }
    });
    ownFileDialogs_ = std::make_unique<QtFileDialogs>(this);
    setFileDialogs(*ownFileDialogs_);
}

void MainWindow::connectColorSources() {
    // Typing edits the colour at each keystroke; Enter shows it.
    connect(editor_, &ComponentEditor::colorEdited, this, [this](ColorValue c) {
        selection_.editCurrent(c);
        refreshStrips();
    });
    connect(editor_, &ComponentEditor::colorEntered, &selection_, &ColorSelection::setCurrent);
    // The blend strip only tries a colour; the spectrum strip and "Last color" show one.
    connect(strips_, &GradientStrips::colorTried, &selection_, &ColorSelection::editCurrent);
    connect(strips_, &GradientStrips::colorChosen, this, [this](std::optional<ColorValue> c) {
        selection_.setCurrent(c.value_or(selection_.current()));
    });
    connect(previousSwatch_, &ColorBox::pressed, this,
            [this] { selection_.setCurrent(selection_.previous()); });
    connect(namesPanel_, &NamesPanel::colorPicked, &selection_, &ColorSelection::setCurrent);
    connect(toolWindows_, &ToolWindows::colorPicked, &selection_, &ColorSelection::setCurrent);
    connect(toolWindows_, &ToolWindows::pairChosen, &selection_, &ColorSelection::restore);

    // The release that ends a pick reaches the current swatch, which holds the mouse grab.
    connect(currentSwatch_, &ColorBox::released, sampler_, &ScreenSampler::stop);
    // A right-click on the current colour while no pick runs offers its details (a release
    // still ends a running pick, above).
    connect(currentSwatch_, &ColorBox::pressed, this, [this](Qt::MouseButton button, QPoint) {
        if (button != Qt::RightButton || sampler_->isSampling()) {
            return;
        }
        QMenu menu(this);
        menu.addAction(tr("Colour Details\u2026"), toolWindows_, &ToolWindows::showColorDetails);
        menu.addAction(tr("History\u2026"), toolWindows_, &ToolWindows::showHistory);
        menu.exec(QCursor::pos());
    });
    connect(sampler_, &ScreenSampler::stopped, this, [this] {
        if (options_.createGradient() == CreateGradient::AfterPick) {
            strips_->redraw(selection_.current(), selection_.previous());
        }
    });
    connect(sampler_, &ScreenSampler::screenUnreadable, this, &MainWindow::showWaylandNoticeOnce);
    connect(sampler_, &ScreenSampler::screenUnreadable, this,
            [this] { emit pickFailed(tr("The screen cannot be read here.")); });
    connect(toolWindows_, &ToolWindows::screenUnreadable, this, &MainWindow::showWaylandNoticeOnce);
}

void MainWindow::connectPicks() {
    connect(sampler_, &ScreenSampler::colorPicked, &selection_, &ColorSelection::setCurrent);
    // The current swatch holds the pick's grab, so it hears every move of the pointer.
    connect(currentSwatch_, &ColorBox::moved, sampler_, &ScreenSampler::pointerMoved);
    connect(sampler_, &ScreenSampler::cancelled, &selection_, &ColorSelection::restore);
    // A size chosen with Ctrl+wheel during a pick is the next pick's too.
    const auto storeSampleSize = [this](int side) {
        options_.setAndStore(OptionKey::SampleSize, side);
    };
    connect(sampler_, &ScreenSampler::sampleSizeChanged, this, storeSampleSize);
    for (FrozenFramePick* frozen :
         {frozenPick_, portalPicker_ != nullptr ? &portalPicker_->frozenPick() : nullptr}) {
        if (frozen != nullptr) {
            connect(frozen, &FrozenFramePick::sampleSizeChanged, this, storeSampleSize);
        }
    }
    if (frozenPick_ != nullptr) {
        connect(frozenPick_, &FrozenFramePick::colorPicked, &selection_,
                &ColorSelection::setCurrent);
        connect(frozenPick_, &FrozenFramePick::colorsRestored, &selection_,
                &ColorSelection::restore);
        connect(frozenPick_, &FrozenFramePick::kept, this, &MainWindow::keepPick);
        connect(frozenPick_, &FrozenFramePick::colorsRestored, this, &MainWindow::pickCancelled);
    }
    if (portalPicker_ != nullptr) {
        connect(portalPicker_, &PortalPicker::colorPicked, &selection_,
                &ColorSelection::setCurrent);
        connect(portalPicker_, &PortalPicker::colorsRestored, &selection_,
                &ColorSelection::restore);
        connect(portalPicker_, &PortalPicker::kept, this, &MainWindow::keepPick);
        connect(portalPicker_, &PortalPicker::cancelled, this, &MainWindow::pickCancelled);
        connect(portalPicker_, &PortalPicker::failed, this, &MainWindow::pickFailed);
        // The frame's views see the pointer where the program cannot ask for it: the readout
        // shows desktop places from them while the frame stands.
        FrozenFramePick& frame = portalPicker_->frozenPick();
        connect(&portalPicker_->portal(), &DesktopPortal::screenshotTaken, this,
                [this, &frame] { readout_->follow(&frame.screen()); });
        connect(&frame, &FrozenFramePick::finished, this, [this] { readout_->follow(nullptr); });
        connect(portalPicker_, &PortalPicker::messageDue, this, [this](const QString& text) {
            // Shown without waiting: the pick's answers keep arriving behind it.
            openMessage(this, QMessageBox::Information, text);
        });
    }
    connect(sampler_, &ScreenSampler::kept, this, &MainWindow::keepPick);
    connect(sampler_, &ScreenSampler::cancelled, this, &MainWindow::pickCancelled);
    connect(toolWindows_, &ToolWindows::pickKept, this, &MainWindow::keepPick);
    // A copy asked for one pick is not left over for the next.
    connect(this, &MainWindow::pickCancelled, this, [this] { copyNextPick_ = false; });
    connect(this, &MainWindow::pickFailed, this, [this] { copyNextPick_ = false; });
}

void MainWindow::keepPick(ColorValue color) {
    history_->add(color);
    std::string format = options_.copyFormat();
    if (std::exchange(copyNextPick_, false) && format.empty()) {
        format = kDefaultPickFormat;
    }
    if (const auto text = builtInFormatText(color, format)) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(*text));
    }
    emit pickKept(color);
}

bool MainWindow::isPicking() const {
    return sampler_->isSampling() || (frozenPick_ != nullptr && frozenPick_->isRunning()) ||
           (portalPicker_ != nullptr && portalPicker_->isBusy());
}

void MainWindow::startPick(bool copyWhenKept) {
    copyNextPick_ = copyNextPick_ || copyWhenKept;
    if (isPicking()) {
        return; // the running pick's end answers the caller
    }
    if (isMinimized() || !isVisible()) {
        showNormal();
    }
    raise();
    // The pick's grab needs a window on the screen: a window just brought back may not be yet.
    if (portalPicker_ == nullptr && windowHandle() != nullptr && !windowHandle()->isExposed()) {
        auto* wait = new QTimer(this);
        connect(wait, &QTimer::timeout, this, [this, wait, deadline = QDeadlineTimer(2000)] {
            if (windowHandle()->isExposed() || deadline.hasExpired()) {
                wait->stop();
                wait->deleteLater();
                if (!isPicking()) {
                    togglePick();
                }
            }
        });
        wait->start(20);
        return;
    }
    togglePick();
}

void MainWindow::togglePick() {
    if (portalPicker_ != nullptr) {
        portalPicker_->frozenPick().setPickSettings(options_.sampleSize(), options_.loupe());
        portalPicker_->start();
    } else if (sampler_->isSampling()) {
        sampler_->stop();
    } else {
        sampler_->setSampleSize(options_.sampleSize());
        sampler_->setLoupeEnabled(options_.loupe());
        sampler_->start();
    }
}

void MainWindow::startFrozenPick() {
    if (portalPicker_ != nullptr) {
        togglePick(); // the Wayland pick is a frozen one already
        return;
    }
    if (sampler_->isSampling() || frozenPick_->isRunning()) {
        return;
    }
    if (!screen_.canReadScreen()) {
        showWaylandNoticeOnce();
        return;
    }
    const QRect desktop = deviceDesktop();
    frozenPick_->setPickSettings(options_.sampleSize(), options_.loupe());
    frozenPick_->startOverDevicePixels(screen_.grabDevicePixels(desktop), desktop.topLeft(),
                                       screen_);
}

void MainWindow::connectCommands() {
    const CommandButtons& c = commands_;
    connect(c.pickFromScreen, &ImageButton::clicked, this, [this] {
        if (!sampler_->isSampling()) {
            togglePick();
        }
    });
    ToolWindows* tools = toolWindows_;
    connect(c.gradientGenerator, &ImageButton::clicked, tools, &ToolWindows::showGradientGenerator);
    connect(c.colorGrid, &ImageButton::clicked, tools, &ToolWindows::showColorGrid);
    connect(c.magnifier, &ImageButton::clicked, tools, &ToolWindows::showMagnifier);
    connect(c.pictureColors, &ImageButton::clicked, tools, &ToolWindows::showPictureColors);
    connect(c.systemColor, &ImageButton::clicked, tools, &ToolWindows::chooseSystemColor);
    connect(c.options, &ImageButton::clicked, tools, &ToolWindows::showOptions);
    connect(c.about, &ImageButton::clicked, tools, &ToolWindows::showAbout);
    connect(tools, &ToolWindows::mainWindowPutOnTop, this, [this] { titleBar_->showOnTop(true); });
    connect(c.colorNames, &ImageButton::clicked, this, [this] {
        // Left of "Color from Screen" less 500 twips, level with the palette plus 100 twips.
        namesPanel_->open({commands_.pickFromScreen->x() - pixelsFromTwips(500),
                           palettePanel_->y() + pixelsFromTwips(100)});
    });
    const std::array<std::pair<ImageButton*, PaletteCommand>, 3> paletteButtons{{
        {c.newPalette, PaletteCommand::New},
        {c.openPalette, PaletteCommand::Open},
        {c.savePalette, PaletteCommand::Save},
    }};
    for (const auto& [button, command] : paletteButtons) {
        connect(button, &ImageButton::clicked, this,
                [this, which = command] { paletteCommands_->run(which); });
    }
    connect(c.exit, &ImageButton::clicked, this, &QWidget::close);
    connect(titleBar_, &TitleBar::closeClicked, this, &QWidget::close);
    connect(titleBar_, &TitleBar::minimizeClicked, this, &QWidget::showMinimized);
    connect(titleBar_, &TitleBar::onTopRequested, this, &MainWindow::setOnTop);
}

void MainWindow::setFileDialogs(FileDialogs& dialogs) {
    delete paletteCommands_;
    paletteCommands_ = new PaletteCommands(*paletteModel_, dialogs, this, writableFolder(), this);
}

void MainWindow::loadStartPalette() {
    sv::loadStartPalette(*paletteModel_, startPaletteFolders());
    selection_.reset(paletteModel_->color(1).value_or(kWhite));
}

void MainWindow::refreshStrips() {
    if (!sampler_->isSampling() || options_.createGradient() == CreateGradient::WhilePicking) {
        strips_->redraw(selection_.current(), selection_.previous());
    }
}

bool MainWindow::isOnTop() const {
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void MainWindow::setOnTop(bool onTop) {
    titleBar_->showOnTop(onTop);
    setStaysOnTop(this, onTop);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::KeyPress || widget == nullptr || widget->window() != this) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    if (key == Qt::Key_F9) {
        keyEvent->modifiers().testFlag(Qt::ShiftModifier) ? startFrozenPick() : togglePick();
        return true;
    }
    if (key == Qt::Key_H && keyEvent->modifiers() == Qt::ControlModifier) {
        toolWindows_->showHistory();
        return true;
    }
    if (key == Qt::Key_F11) {
        showMinimized();
        return true;
    }
    if (key == Qt::Key_F7) {
        toolWindows_->showColorDetails();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::mousePressEvent(QMouseEvent*) {
    // A press of any button on the window's body moves the window.
    startWindowDrag(this);
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient bar(0, 0, 0, TitleBar::kHeight);
    bar.setColorAt(0, QColor(0xE4, 0xEA, 0xF2));
    bar.setColorAt(1, QColor(0xC6, 0xD2, 0xE0));
    p.fillRect(rect(), QColor(0xD9, 0xE1, 0xEA));
    p.fillRect(QRect(0, 0, width(), TitleBar::kHeight), bar);
    p.setPen(QColor(0x7A, 0x8A, 0x9E));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The window has one size; a window manager or a tool that forces another gets it back.
    if (size() != kSize && !isMinimized() && !isMaximized()) {
        resize(kSize);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    sampler_->stop();
    event->accept();
    // The tool windows are children of this window and end with it.
    qApp->quit();
}

void MainWindow::showWaylandNoticeOnce() {
    if (waylandNoticeShown_) {
        return;
    }
    waylandNoticeShown_ = true;
    // Not modal to the program: the rest of the picker keeps working.
    openMessage(this, QMessageBox::Information,
                tr("This desktop does not let programs read the screen, so it cannot be "
                   "shown here.\nF9 and Shift+F9 pick colours through the desktop portal."));
}

} // namespace sv
