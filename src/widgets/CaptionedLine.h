#pragma once
// A decorative line with a caption, used as a section heading.

#include <QWidget>

namespace sv {

class CaptionedLine : public QWidget {
    Q_OBJECT
public:
    explicit CaptionedLine(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    // The whole caption and a stretch of line after it.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

} // namespace sv
