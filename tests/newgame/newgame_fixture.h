// A game view on the headless platform in a temporary home, with helpers to script the set-up
// dialogs and read what was shown.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "setup/setup_dialogs.h"
#include "shell/settings.h"
#include "shell/storage.h"
#include "tests/support/view_fixture.h"

namespace newgame_test {

using headless::ScriptStep;

class NewGameFixture : public test_support::ViewFixture {
  protected:
    NewGameFixture() : ViewFixture("newgame") {}
    void SetUp() override {
        ViewFixture::SetUp();
        AfterStart();
    }

    // A fresh view on a screen of the given size.
    void Make(platform::ScreenMetrics screen) {
        MakeView(screen);
        AfterStart();
    }
    // The start-up demo ends with the first click; New Game comes after it.
    static void AfterStart() { g_isDemoRunning = false; }
    headless::ScriptedDialogHost& Dialogs() { return platform_->dialogs; }
    headless::RecordingWindow& Window() { return platform_->window; }

    void Script(int templateId, std::vector<ScriptStep> steps) {
        Dialogs().Script(templateId, std::move(steps));
    }
    // Chooses radio `id` and presses OK.
    void Choose(int templateId, int id) {
        Script(templateId, {ScriptStep::Click(id), ScriptStep::Click(kIdOk)});
    }
    void Ok(int templateId) { Script(templateId, {ScriptStep::Click(kIdOk)}); }
    void Cancel(int templateId) { Script(templateId, {ScriptStep::Cancel()}); }
    void Name(const std::string& name) {
        Script(CNaamDlg::kIdd,
               {ScriptStep::Edit(CNaamDlg::kIdName, name), ScriptStep::Click(kIdOk)});
    }

    // The template ids of the dialogs shown, in order.
    std::vector<int> ShownIds() const {
        std::vector<int> ids;
        for (const auto& shown : platform_->dialogs.Shown()) ids.push_back(shown.templateId);
        return ids;
    }
    int TimesShown(int templateId) const {
        int n = 0;
        for (int id : ShownIds()) n += id == templateId ? 1 : 0;
        return n;
    }
    std::vector<std::string> MessageBoxTexts() const {
        std::vector<std::string> texts;
        for (const auto& call : platform_->window.messageBoxes) texts.push_back(call.text);
        return texts;
    }
    std::vector<std::string> QueuedMessageTexts() const {
        std::vector<std::string> texts;
        for (int i = 1; i <= g_messageCount; ++i) {
            const QueueRecord& record = g_messageQueue[static_cast<std::size_t>(i)];
            if (record.type == message_type::kText) texts.push_back(record.text);
        }
        return texts;
    }
};

}  // namespace newgame_test
