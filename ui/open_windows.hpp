// The program ends when the last of its windows has closed, whatever kind of
// window that is: each front end reports its windows opening and closing.
#pragma once

#include <functional>
#include <utility>

namespace vornix::ui {

class OpenWindows {
  public:
    // `when_all_closed` runs each time the count of open windows falls to 0.
    explicit OpenWindows(std::function<void()> when_all_closed)
        : when_all_closed_(std::move(when_all_closed)) {}

    void opened() { ++open_; }
    void closed() {
        if (open_ > 0 && --open_ == 0) {
            when_all_closed_();
        }
    }
    int count() const { return open_; }

  private:
    std::function<void()> when_all_closed_;
    int open_ = 0;
};

} // namespace vornix::ui
