// Drives the running program from a test: steps run from the application's idle handler, also
// inside modal loops, each once its condition holds. A step that waits too long ends the run.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <functional>
#include <string>

#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"

class ShellScript {
public:
    struct Step {
        std::string label;
        std::function<bool()> ready;
        std::function<void()> action;
    };

    ShellScript()
    {
        ui::Application->OnIdle = [this](ui::TObject*) { Idle(); };
    }
    ~ShellScript() { ui::Application->OnIdle = nullptr; }

    void Then(std::string label, std::function<bool()> ready, std::function<void()> action)
    {
        steps_.push_back({std::move(label), std::move(ready), std::move(action)});
    }
    // Every step ran; a step that waited too long leaves the run unfinished.
    bool Finished() const { return steps_.empty() && stuck_.empty(); }
    const std::string& Stuck() const { return stuck_; }

    // Cancels every modal window and closes the others: the run ends at once.
    static void Abort()
    {
        for (int i = 0; i < ui::Screen->FormCount(); ++i) {
            ui::TCustomForm* form = ui::Screen->Forms(i);
            if (form->Modal())
                form->SetModalResult(ui::mrCancel);
            else if (form->Visible())
                form->Close();
        }
    }

private:
    void Idle()
    {
        if (steps_.empty())
            return;
        const auto now = std::chrono::steady_clock::now();
        if (!waiting_) {
            waiting_ = true;
            since_ = now;
        }
        if (!steps_.front().ready()) {
            if (now - since_ > std::chrono::seconds(30)) {
                stuck_ = steps_.front().label;
                steps_.clear();
                Abort();
            }
            return;
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        waiting_ = false;
        step.action();  // may open a modal window whose loop runs the next steps
    }

    std::deque<Step> steps_;
    bool waiting_ = false;
    std::chrono::steady_clock::time_point since_;
    std::string stuck_;
};
