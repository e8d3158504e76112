#include "app/ComponentEditor.h"

#include "color/Numeric.h"
#include "controls/Slider.h"
#include "widgets/QtColor.h"
#include "widgets/ShadowLabel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace sv {

namespace {

constexpr int kRowHeight = 24;
constexpr int kFieldLeft = 42;

struct Row {
    const char* label;
    const char* fieldStyle;
    ColorValue fill; // the slider's colour
};

constexpr std::array<Row, 3> kRows{{
    {QT_TRANSLATE_NOOP("sv::ComponentEditor", "Red"), "background: #FF0000; color: white;",
     0x0000FF},
    {QT_TRANSLATE_NOOP("sv::ComponentEditor", "Green"), "background: #00C000; color: white;",
     0x00C000},
    {QT_TRANSLATE_NOOP("sv::ComponentEditor", "Blue"), "background: #0000C0; color: white;",
     0xFF0000},
}};

QString digitsOf(const QString& text) {
    QString digits;
    for (QChar ch : text) {
        if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) {
            digits.append(ch);
        }
    }
    return digits;
}

// A field that is not a number counts as 0.
int fieldValue(const QLineEdit* field) {
    return textToInt16(field->text().toStdString()).value_or(0);
}

} // namespace

ComponentEditor::ComponentEditor(QWidget* parent) : QWidget(parent) {
    // The fields stand right of the widest channel name: "Vermelho" is wider than "Green".
    int fieldLeft = kFieldLeft;
    for (const Row& row : kRows) {
        fieldLeft = std::max(fieldLeft, fontMetrics().horizontalAdvance(tr(row.label)) + 6);
    }
    const int shift = fieldLeft - kFieldLeft;
    resize(220 + shift, 3 * kRowHeight);
    for (std::size_t k = 0; k < 3; ++k) {
        const int y = static_cast<int>(k) * kRowHeight;
        auto* label = new ShadowLabel(this, tr(kRows[k].label));
        label->move(0, y + 3);

        auto* field = new QLineEdit(QStringLiteral("255"), this);
        field->setGeometry(fieldLeft, y, 36, 20);
        field->setMaxLength(3);
        field->setAlignment(Qt::AlignCenter);
        field->setStyleSheet(QString::fromLatin1(kRows[k].fieldStyle));
        field->setToolTip(tr("  Up/Down  "));
        field->setAccessibleName(tr(kRows[k].label));
        field->installEventFilter(this);
        // Text pasted by the mouse or the context menu keeps only its digits.
        connect(field, &QLineEdit::textEdited, this, [this, field] {
            keepDigits(field);
            fieldEdited(field);
        });
        fields_[k] = field;

        auto* slider = new Slider(Qt::Horizontal, this);
        slider->setGeometry(84 + shift, y + 2, 135, 16);
        setChannelColors(*slider, toQColor(kRows[k].fill));
        slider->setAccessibleName(tr(kRows[k].label));
        slider->setValue(255);
        // A press and a release write the slider's value into its field, which edits the colour.
        connect(slider, &Slider::sliderPressed, this,
                [this, field, slider] { editField(field, slider->value()); });
        connect(slider, &Slider::valueChosen, this,
                [this, field](int value) { editField(field, value); });
        sliders_[k] = slider;
    }
}

ColorValue ComponentEditor::color() const {
    return rgb(fieldValue(fields_[0]), fieldValue(fields_[1]), fieldValue(fields_[2]));
}

void ComponentEditor::showColor(ColorValue c) {
    const Components k = splitColor(c);
    const std::array<int, 3> values{k.red, k.green, k.blue};
    for (std::size_t i = 0; i < 3; ++i) {
        const QString text = QString::number(values[i]);
        if (fields_[i]->text() != text) {
            fields_[i]->setText(text);
        }
    }
    moveSliders();
}

void ComponentEditor::moveSliders() {
    for (std::size_t i = 0; i < 3; ++i) {
        // A value the slider cannot show (300, say) leaves it where it is.
        const auto v = textToInt16(fields_[i]->text().toStdString());
        if (v && *v >= 0 && *v <= 255) {
            sliders_[i]->setValue(*v);
        }
    }
}

void ComponentEditor::editField(QLineEdit* field, int value) {
    field->setText(QString::number(value));
    fieldEdited(field);
}

void ComponentEditor::fieldEdited(QLineEdit* field) {
    if (field->text().isEmpty()) {
        field->setText(QStringLiteral("0"));
    }
    moveSliders();
    emit colorEdited(color());
}

void ComponentEditor::keepDigits(QLineEdit* field) {
    const QString digits = digitsOf(field->text());
    if (digits != field->text()) {
        field->setText(digits.left(field->maxLength()));
    }
}

void ComponentEditor::insertDigits(QLineEdit* field, const QString& text) {
    const QString digits = digitsOf(text);
    if (!digits.isEmpty()) {
        field->insert(digits);
    }
}

bool ComponentEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (QLineEdit* field : fields_) {
            if (watched == field) {
                return keyPressed(field, static_cast<QKeyEvent*>(event));
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool ComponentEditor::keyPressed(QLineEdit* field, QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (field->text().isEmpty()) {
            editField(field, 0);
        }
        emit colorEntered(color());
        return true;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
    case Qt::Key_Down:
    case Qt::Key_PageDown: {
        const auto v = textToInt16(field->text().toStdString());
        if (!v) {
            return true; // not a number: stepping ignores it
        }
        const bool up = event->key() == Qt::Key_Up || event->key() == Qt::Key_PageUp;
        editField(field, up ? std::min(*v + 1, 255) : std::max(*v - 1, 0));
        return true;
    }
    default:
        break;
    }
    if (event->matches(QKeySequence::Paste)) {
        insertDigits(field, QGuiApplication::clipboard()->text());
        return true;
    }
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint();
    if (!printable || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        return false; // editing and moving keys, shortcuts
    }
    // Only digits are typed; every other character is discarded.
    return digitsOf(text) != text;
}

} // namespace sv
