// Records what the program asks of the desktop instead of doing it.
#pragma once

#include "services.hpp"

#include <QStringList>

#include <functional>
#include <vector>

namespace vornix::testing {

struct ShownMessage {
    QString text;
    QString title;
};

class FakeServices : public qt::Services {
  public:
    void show_message(QWidget*, const QString& text, const QString& title = {}) override {
        messages.push_back({text, title});
    }
    bool start_program(const QString& path) override {
        if (start) {
            return start(path);
        }
        started.push_back(path);
        return program_exists(path);
    }
    bool open_url(QWidget*, const QUrl& address) override {
        opened.push_back(address);
        return true;
    }
    void announce(QWidget& control) override { announced.push_back(&control); }

    std::vector<ShownMessage> messages;
    QStringList started;
    std::vector<QUrl> opened;
    std::vector<QWidget*> announced;
    // When set, programs are really started through it and not recorded.
    std::function<bool(const QString&)> start;
    // Whether a program at that path can be started.
    std::function<bool(const QString&)> program_exists = [](const QString& path) {
        return !path.isEmpty();
    };
};

} // namespace vornix::testing
