// Records what the program asks of the desktop instead of doing it.
#pragma once

#include "services.hpp"

#include <QStringList>

#include <vector>

namespace vornix::testing {

struct ShownMessage {
    QString text;
    QString title;
};

class FakeServices : public host::Services {
  public:
    void show_message(QWidget*, const QString& text, const QString& title = {}) override {
        messages.push_back({text, title});
    }
    bool start_program(const QString& path) override {
        started.push_back(path);
        return program_starts;
    }
    void open_url(QWidget*, const QUrl& address) override { opened.push_back(address); }
    void announce(QWidget& control) override { announced.push_back(&control); }

    std::vector<ShownMessage> messages;
    QStringList started;
    std::vector<QUrl> opened;
    std::vector<QWidget*> announced;
    bool program_starts = true;
};

} // namespace vornix::testing
