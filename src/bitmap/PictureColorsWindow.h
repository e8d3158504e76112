#pragma once
// The picture colour window: takes a picture from a file or the clipboard, finds its distinct
// colours and writes them as an HTML colour table in the "tableColor" folder. The work runs
// in small steps on the user-interface thread, so the window stays responsive and its
// progress bar moves.

#include "bitmap/ColorTable.h"
#include "widgets/ToolWindow.h"
#include "widgets/WindowUtil.h"

#include <QImage>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QLabel;

namespace sv {

class CaptionedLine;
class FileDialogs;
class ImageButton;
class NewFile;
class ProgressBar;

enum class PictureCommand { Open, Paste, Generate, OpenPage };

class PictureColorsWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit PictureColorsWindow(QWidget* mainWindow);
    ~PictureColorsWindow() override;

    ImageButton* commandButton(PictureCommand command) const {
        return commandButtons_[static_cast<std::size_t>(command)];
    }
    CaptionedLine* countsLine() const { return countsLine_; }
    ProgressBar* progressBar() const { return progressBar_; }

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);
    // The page made last; empty until one is.
    QString lastPage() const { return lastPage_; }
    bool isGenerating() const { return table_ != nullptr; }

    void openPicture();
    // The clipboard's picture, if it holds one; nothing happens otherwise.
    void pastePicture();
    // Starts making the page; a press while one is being made is ignored.
    void generate();
    // Opens the last page in the browser, if there is one, and closes the window.
    void openPage();

    // Test seams: the file dialog, the URL opener and the page folder.
    void setFileDialogs(FileDialogs& dialogs) { dialogs_ = &dialogs; }
    void setUrlOpener(std::function<void(const QUrl&)> opener) { openUrl_ = std::move(opener); }
    void setPageFolder(const QString& folder) { pageFolder_ = folder; }

signals:
    // A generation ended: with a page written, or not.
    void generationFinished(bool written);

private:
    void runCommand(PictureCommand command);
    void scanStep();
    void writeStep();
    // Reports that the page cannot be written, for the reason errno error gives, and ends the
    // generation without it.
    void fail(int error);
    void finish(bool written);
    bool startPage();
    void showCounts(const QString& counts);

    std::array<ImageButton*, 4> commandButtons_{};
    QLabel* pictureView_ = nullptr;
    CaptionedLine* countsLine_ = nullptr;
    ProgressBar* progressBar_ = nullptr;

    QImage picture_;
    QString lastFolder_;
    QString lastPage_;
    QString pageFolder_;
    FileDialogs* dialogs_ = nullptr;
    std::unique_ptr<FileDialogs> ownDialogs_;
    std::function<void(const QUrl&)> openUrl_;
    void reportFailure(const QString& text);

    // The generation under way, and its counts line's sentences in the user's language.
    std::unique_ptr<ColorTable> table_;
    TableCaptionTexts captionTexts_;
    std::unique_ptr<NewFile> page_;
    QString pagePath_; // the folder the page goes to
    std::size_t rowsWritten_ = 0;
    std::optional<WaitCursor> wait_;
};

} // namespace sv
