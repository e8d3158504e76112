#include "dialogs/ColorDetailsWindow.h"

#include "AppInfo.h"
#include "color/ColorSelection.h"
#include "color/Contrast.h"
#include "dialogs/ColorAnalysisView.h"
#include "dialogs/OwnFormatDialog.h"
#include "palette/NamedColors.h"
#include "palette/NearestNamedColor.h"
#include "settings/Options.h"
#include "widgets/ImageButton.h"
#include "widgets/PlainText.h"
#include "widgets/QtColor.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>

namespace sv {

namespace {

constexpr int kMargin = 10;
constexpr int kTop = 30; // below the title

// A selectable line of text and its Copy button, as each notation has.
QLineEdit* notationField(QWidget* parent, const QString& name) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true); // selectable, not editable
    // Without the style's rounded frame: these lines change at every pick tick, and painting
    // that frame cost more than everything else the window does.
    field->setFrame(false);
    field->setAccessibleName(name);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(
                               QStringLiteral("Color(red: 0.000, green: 0.000, blue: 0.000)")) +
                           12);
    return field;
}

ImageButton* copyButtonFor(QLineEdit* field, const QString& name, QWidget* parent) {
    auto* copy = new ImageButton(parent);
    copy->setText(QCoreApplication::translate("sv::ColorDetailsWindow", "Copy"));
    setPlainToolTip(copy,
                    QCoreApplication::translate("sv::ColorDetailsWindow", "  Copy %1  ").arg(name));
    QObject::connect(copy, &ImageButton::clicked, field,
                     [field] { QGuiApplication::clipboard()->setText(field->text()); });
    return copy;
}

// A line's text shown from its start, however long.
void showText(QLineEdit* line, const QString& text) {
    line->setText(text);
    line->setCursorPosition(0);
}

QString verdict(const char* name, bool pass) {
    return QString::fromLatin1(name) +
           (pass ? QCoreApplication::translate("sv::ColorDetailsWindow", " Pass")
                 : QCoreApplication::translate("sv::ColorDetailsWindow", " Fail"));
}

} // namespace

ColorDetailsWindow::ColorDetailsWindow(QWidget* mainWindow, const ColorSelection& selection,
                                       SettingsFile& settings)
    : ToolWindow(mainWindow, {tr("[ Colour Details ]"), QSize(6000, 6000)}), settings_(settings) {
    auto* content = new QWidget(this);
    content_ = content;
    designWidth_ = width();
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    int row = 0;
    for (int i = 0; i < kColorFormatCount; ++i, ++row) {
        const auto format = static_cast<ColorFormat>(i);
        const QString name = tr(colorFormatName(format));
        auto* label = new QLabel(name, content);
        labelWidth_ = std::max(labelWidth_, label->sizeHint().width());
        auto* field = notationField(content, name);
        label->setBuddy(field);
        auto* copy = copyButtonFor(field, name, content);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(copy, row, 2);
        fields_[std::size_t(i)] = field;
        copyButtons_[std::size_t(i)] = copy;
    }
    auto addLine = [&](const QString& caption) {
        auto* label = new QLabel(caption, content);
        labelWidth_ = std::max(labelWidth_, label->sizeHint().width());
        // A line edit, not a selectable label: its size does not follow its text, so a new
        // colour does not lay the window out again.
        auto* value = notationField(content, caption);
        label->setBuddy(value);
        grid->addWidget(label, row, 0);
        grid->addWidget(value, row, 1, 1, 2);
        ++row;
        return value;
    };
    ratio_ = addLine(tr("Contrast on the last colour"));
    normalVerdicts_ = addLine(tr("Normal text"));
    largeVerdicts_ = addLine(tr("Large text"));
    interfaceVerdict_ = addLine(tr("Interface parts"));
    apca_ = addLine(tr("APCA"));
    nearest_ = addLine(tr("Nearest name"));
    sample_ = new QLabel(tr("Sample text in the current colour"), content);
    largeSample_ = new QLabel(tr("Large sample"), content);
    // Beside each, the other way round: the last colour as text on the current colour.
    reverseSample_ = new QLabel(tr("Sample text in the last colour"), content);
    largeReverseSample_ = new QLabel(tr("Large sample"), content);
    QFont large = largeSample_->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    largeSample_->setFont(large);
    largeReverseSample_->setFont(large);
    for (QLabel* s : {sample_, largeSample_, reverseSample_, largeReverseSample_}) {
        s->setAutoFillBackground(true);
        s->setMargin(4);
    }
    for (const auto& [sample, reverse] :
         {std::pair{sample_, reverseSample_}, std::pair{largeSample_, largeReverseSample_}}) {
        auto* pair = new QHBoxLayout;
        pair->addWidget(sample);
        pair->addWidget(reverse);
        grid->addLayout(pair, row++, 0, 1, 3);
    }

    ownRows_ = new QWidget(content);
    ownGrid_ = new QGridLayout(ownRows_);
    ownGrid_->setContentsMargins(0, 0, 0, 0);
    ownGrid_->setVerticalSpacing(3);
    grid->addWidget(ownRows_, row++, 0, 1, 3);
    addFormat_ = new ImageButton(content);
    addFormat_->setText(tr("Add Format..."));
    addFormat_->setToolTip(tr("  Add a format of your own from a template  "));
    connect(addFormat_, &ImageButton::clicked, this, &ColorDetailsWindow::addFormat);
    grid->addWidget(addFormat_, row++, 0, 1, 3, Qt::AlignLeft);
    grid_ = grid;
    analysis_ = new ColorAnalysisView(content);
    grid->setColumnMinimumWidth(3, 12);
    grid->addWidget(analysis_, 0, 4, row, 1, Qt::AlignTop);
    connect(analysis_, &ColorAnalysisView::colorChosen, this, &ColorDetailsWindow::colorChosen);
    connect(analysis_, &ColorAnalysisView::pairChosen, this, &ColorDetailsWindow::pairChosen);
    connect(analysis_, &ColorAnalysisView::paletteFillRequested, this,
            &ColorDetailsWindow::paletteFillRequested);
    content->move(kMargin, kTop);

    if (const auto stored = settings_.read()) {
        ownFormats_ = readOwnFormats(*stored);
    }
    connect(&selection, &ColorSelection::changed, this, &ColorDetailsWindow::showColor);
    showColor(selection.current(), selection.previous());
    showOwnFormats();
}

void ColorDetailsWindow::fitToContent() {
    content_->adjustSize();
    setFixedSize(std::max(designWidth_, content_->width() + 2 * kMargin),
                 content_->height() + kTop + kMargin);
}

void ColorDetailsWindow::showOwnFormats() {
    while (QLayoutItem* item = ownGrid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    ownFields_.clear();
    ownCopyButtons_.clear();
    removeButtons_.clear();
    for (std::size_t i = 0; i < ownFormats_.size(); ++i) {
        const QString name = QString::fromStdString(ownFormats_[i].name);
        auto* label = plainLabel(name, ownRows_);
        auto* field = notationField(ownRows_, name);
        showText(field, QString::fromStdString(expandTemplate(ownFormats_[i].pattern, shown_)));
        label->setBuddy(field);
        auto* remove = new ImageButton(ownRows_);
        remove->setText(tr("Remove"));
        setPlainToolTip(remove, tr("  Remove %1  ").arg(name));
        connect(remove, &ImageButton::clicked, this, [this, i] { removeFormat(i); });
        const int row = static_cast<int>(i);
        auto* copy = copyButtonFor(field, name, ownRows_);
        ownGrid_->addWidget(label, row, 0);
        ownGrid_->addWidget(field, row, 1);
        ownGrid_->addWidget(copy, row, 2);
        ownGrid_->addWidget(remove, row, 3);
        ownFields_.push_back(field);
        ownCopyButtons_.push_back(copy);
        removeButtons_.push_back(remove);
    }
    // The labels line up with the notations' above, however long a name: both grids give the
    // label column the width of the longest label.
    int width = labelWidth_;
    for (int i = 0; i < ownGrid_->rowCount(); ++i) {
        if (const QLayoutItem* item = ownGrid_->itemAtPosition(i, 0)) {
            width = std::max(width, item->widget()->sizeHint().width());
        }
    }
    ownGrid_->setHorizontalSpacing(grid_->horizontalSpacing());
    ownGrid_->setColumnMinimumWidth(0, width);
    grid_->setColumnMinimumWidth(0, width);
    ownRows_->setVisible(!ownFormats_.empty());
    addFormat_->setEnabled(ownFormats_.size() < std::size_t(kMaxOwnFormats));
    fitToContent();
}

void ColorDetailsWindow::addFormat() {
    const QPointer<OwnFormatDialog> dialog = new OwnFormatDialog(this, shown_);
    const bool accepted = execDialog(dialog) == QDialog::Accepted;
    // The window may have been closed meanwhile; then the dialog went with it.
    if (!accepted || dialog == nullptr) {
        return;
    }
    const OwnFormat format = dialog->format();
    delete dialog;
    changeFormats([&](SettingsMap& settings) { addOwnFormat(settings, format); });
}

void ColorDetailsWindow::removeFormat(std::size_t index) {
    if (index >= ownFormats_.size()) {
        return;
    }
    const std::string name = ownFormats_[index].name;
    // Removed later: the button that asked is among the rows rebuilt.
    QMetaObject::invokeMethod(
        this,
        [this, name] {
            changeFormats([&](SettingsMap& settings) { removeOwnFormat(settings, name); });
        },
        Qt::QueuedConnection);
}

bool ColorDetailsWindow::changeFormats(const std::function<void(SettingsMap&)>& change) {
    SettingsFile& file = settings_;
    std::vector<OwnFormat> stored;
    const bool saved = file.change([&](SettingsMap& settings) {
        change(settings);
        stored = readOwnFormats(settings);
    });
    if (!saved) {
        showMessage(this, QMessageBox::Warning,
                    tr("Your formats could not be saved in %1.").arg(file.fileName()));
        return false;
    }
    // What is stored now, another copy's changes included.
    ownFormats_ = std::move(stored);
    showOwnFormats();
    return true;
}

void ColorDetailsWindow::showColor(ColorValue current, ColorValue previous) {
    shown_ = current;
    for (std::size_t i = 0; i < ownFields_.size(); ++i) {
        showText(ownFields_[i],
                 QString::fromStdString(expandTemplate(ownFormats_[i].pattern, current)));
    }
    for (int i = 0; i < kColorFormatCount; ++i) {
        showText(fields_[std::size_t(i)],
                 QString::fromStdString(formatColor(current, static_cast<ColorFormat>(i))));
    }
    const double ratio = wcagContrastRatio(current, previous);
    const WcagVerdicts v = wcagVerdicts(ratio);
    ratio_->setText(QString::fromStdString(wcagRatioText(ratio)));
    const QString separator = QStringLiteral(" · ");
    showText(normalVerdicts_, verdict("AA", v.normalAA) + separator + verdict("AAA", v.normalAAA));
    showText(largeVerdicts_, verdict("AA", v.largeAA) + separator + verdict("AAA", v.largeAAA));
    showText(interfaceVerdict_, verdict("AA", v.interface));
    apca_->setText(QString::fromStdString(sv::apcaText(apcaContrast(current, previous))));
    const NearestName nearest = nearestNamedColor(current);
    const std::string_view name = namedColorName(nearest.index);
    showText(nearest_, QString::fromUtf8(name.data(), qsizetype(name.size())) +
                           QStringLiteral("  ") + tr(distanceText(nearest.distance).c_str()));
    analysis_->showColors(current, previous);
    for (QLabel* s : {sample_, largeSample_, reverseSample_, largeReverseSample_}) {
        const bool reverse = s == reverseSample_ || s == largeReverseSample_;
        QPalette p = s->palette();
        p.setColor(QPalette::Window, toQColor(reverse ? current : previous));
        p.setColor(QPalette::WindowText, toQColor(reverse ? previous : current));
        s->setPalette(p);
    }
}

QString ColorDetailsWindow::contrastText() const {
    return ratio_->text();
}

QStringList ColorDetailsWindow::verdictTexts() const {
    return {normalVerdicts_->text(), largeVerdicts_->text(), interfaceVerdict_->text()};
}

QString ColorDetailsWindow::apcaText() const {
    return apca_->text();
}

QString ColorDetailsWindow::nearestNameText() const {
    return nearest_->text();
}

} // namespace sv
