// Records what the program asks of the desktop instead of doing it.
#pragma once

#include "document.hpp"
#include "services.hpp"
#include "settings.hpp"

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
    ui::Settings& settings() override { return stored; }
    // No dialog is shown: what was handed to the printer or the file is counted.
    void print(QWidget*, draw::Document& document) override {
        printed.push_back(document.items().size());
    }
    void save(QWidget*, draw::Document& document) override {
        saved.push_back(document.items().size());
    }

    std::vector<ShownMessage> messages;
    QStringList started;
    std::vector<QUrl> opened;
    std::vector<QWidget*> announced;
    ui::MemorySettings stored;
    std::vector<std::size_t> printed; // the number of exercises handed over, each time
    std::vector<std::size_t> saved;
    // When set, programs are really started through it and not recorded.
    std::function<bool(const QString&)> start;
    // Whether a program at that path can be started.
    std::function<bool(const QString&)> program_exists = [](const QString& path) {
        return !path.isEmpty();
    };
};

} // namespace vornix::testing
