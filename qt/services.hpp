// What may block the program or reach outside it goes through Services, so
// that tests can put a fake in its place.
#pragma once

#include <QString>
#include <QUrl>

#include <memory>

class QWidget;

namespace vornix::draw {
class Document;
}
namespace vornix::ui {
class Settings;
} // namespace vornix::ui

namespace vornix::qt {

class Services {
  public:
    virtual ~Services() = default;

    // A modal message box with only an OK button, captioned with `title`, or
    // with the application title when `title` is empty. Returns once dismissed.
    virtual void show_message(QWidget* owner, const QString& text, const QString& title = {}) = 0;

    // Starts the program at `path` in a normal window, detached, without
    // waiting: one literal program path, never a shell command line and never
    // split into arguments. Returns false when it could not be started.
    // Away from Windows a "\" in the path stands for the folder separator.
    virtual bool start_program(const QString& path) = 0;

    // Hands the address to the desktop's URL handler; false when that failed.
    virtual bool open_url(QWidget* owner, const QUrl& address) = 0;

    // Tells screen readers that the control's text has changed.
    virtual void announce(QWidget& control) = 0;

    // The user's settings, opened when first needed.
    virtual ui::Settings& settings() = 0;
    // The system's print dialog, then the document on the printer chosen.
    virtual void print(QWidget* owner, draw::Document& document) = 0;
    // The system's save dialog, then the document in the file and kind
    // chosen; a file that cannot be written is said in a message box.
    virtual void save(QWidget* owner, draw::Document& document) = 0;
};

// The real desktop: QMessageBox, QProcess::startDetached, QDesktopServices,
// QSettings, QPrintDialog and QFileDialog.
class DesktopServices final : public Services {
  public:
    DesktopServices();
    ~DesktopServices() override;
    void show_message(QWidget* owner, const QString& text, const QString& title = {}) override;
    bool start_program(const QString& path) override;
    bool open_url(QWidget* owner, const QUrl& address) override;
    void announce(QWidget& control) override;
    ui::Settings& settings() override;
    void print(QWidget* owner, draw::Document& document) override;
    void save(QWidget* owner, draw::Document& document) override;

  private:
    std::unique_ptr<ui::Settings> settings_;
};

} // namespace vornix::qt
