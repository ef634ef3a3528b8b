#pragma once

#include "platform/dialogs.h"

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace ledgerleaf {

// One box as the program showed it to a ScriptedDialogs.
struct ShownBox {
    enum class Kind { Message, Input, Error };
    Kind kind = Kind::Message;
    std::string text;  // message text, input prompt, or the error report's platform text
    std::string title;
    MessageButtons buttons = MessageButtons::Ok;  // message boxes only
    bool expected = true;                         // false when no queued answer was meant for it

    bool operator==(const ShownBox&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ShownBox& box);

// Dialogs for tests: records every box shown and answers from a queue of expected answers.
// A box that comes when the queue is empty, or whose kind does not fit the next answer (an
// input box where a message was expected, Yes for a box with only OK), is recorded as
// unexpected and answered OK / No / cancel; the queued answer then stays for the next box.
//
//     ScriptedDialogs dialogs;
//     dialogs.expectMessage(MessageAnswer::Yes);
//     dialogs.expectInput("secret");
//     ... run the code under test ...
//     EXPECT_THAT(dialogs.unexpected(), IsEmpty());
//     EXPECT_EQ(dialogs.pending(), 0u);
class ScriptedDialogs : public Dialogs {
  public:
    // Queues the answer to the next message box (OK for an OK box, Yes or No for a Yes/No box).
    void expectMessage(MessageAnswer answer = MessageAnswer::Ok);
    // Queues typing `text` into the next input box and pressing OK.
    void expectInput(std::string text);
    // Queues cancelling the next input box.
    void expectInputCancel();
    // Queues the next error report.
    void expectErrorReport();

    MessageAnswer message(const std::string& text, const std::string& title = kDefaultMessageTitle,
                          MessageButtons buttons = MessageButtons::Ok) override;
    std::optional<std::string> input(const std::string& prompt, const std::string& title) override;
    void errorReport(const std::string& platformText) override;

    // Every box shown so far, in order.
    const std::vector<ShownBox>& shown() const { return shown_; }
    // The boxes among them that no queued answer was meant for.
    std::vector<ShownBox> unexpected() const;
    // The texts of the boxes shown, in order.
    std::vector<std::string> texts() const;
    // Queued answers not used yet.
    std::size_t pending() const { return answers_.size(); }
    // Forgets the boxes shown and the queued answers.
    void clear();

  private:
    struct Answer {
        ShownBox::Kind kind;
        MessageAnswer message = MessageAnswer::Ok;
        std::optional<std::string> input;
    };
    // The queued answer for a box of `kind`, taken off the queue; nothing when it does not fit.
    std::optional<Answer> take(ShownBox::Kind kind, MessageButtons buttons);
    void record(ShownBox::Kind kind, const std::string& text, const std::string& title,
                MessageButtons buttons, bool expected);

    std::deque<Answer> answers_;
    std::vector<ShownBox> shown_;
};

}  // namespace ledgerleaf
