#include "platform/scripted_dialogs.h"

#include <utility>

namespace ledgerleaf {

namespace {

const char* kindName(ShownBox::Kind kind) {
    switch (kind) {
        case ShownBox::Kind::Message:
            return "message";
        case ShownBox::Kind::Input:
            return "input";
        case ShownBox::Kind::Error:
            return "error report";
    }
    return "?";
}

bool fits(MessageAnswer answer, MessageButtons buttons) {
    if (buttons == MessageButtons::Ok)
        return answer == MessageAnswer::Ok;
    return answer == MessageAnswer::Yes || answer == MessageAnswer::No;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const ShownBox& box) {
    out << kindName(box.kind) << " box \"" << box.text << "\" titled \"" << box.title << "\"";
    if (box.kind == ShownBox::Kind::Message) {
        out << (box.buttons == MessageButtons::YesNo ? " (Yes/No)" : " (OK)");
    }
    if (!box.expected)
        out << " [unexpected]";
    return out;
}

void ScriptedDialogs::expectMessage(MessageAnswer answer) {
    answers_.push_back(Answer{ShownBox::Kind::Message, answer, std::nullopt});
}

void ScriptedDialogs::expectInput(std::string text) {
    answers_.push_back(Answer{ShownBox::Kind::Input, MessageAnswer::Ok, std::move(text)});
}

void ScriptedDialogs::expectInputCancel() {
    answers_.push_back(Answer{ShownBox::Kind::Input, MessageAnswer::Ok, std::nullopt});
}

void ScriptedDialogs::expectErrorReport() {
    answers_.push_back(Answer{ShownBox::Kind::Error, MessageAnswer::Ok, std::nullopt});
}

MessageAnswer ScriptedDialogs::message(const std::string& text, const std::string& title,
                                       MessageButtons buttons) {
    const std::optional<Answer> answer = take(ShownBox::Kind::Message, buttons);
    record(ShownBox::Kind::Message, text, title, buttons, answer.has_value());
    if (answer)
        return answer->message;
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

std::optional<std::string> ScriptedDialogs::input(const std::string& prompt,
                                                  const std::string& title) {
    std::optional<Answer> answer = take(ShownBox::Kind::Input, MessageButtons::Ok);
    record(ShownBox::Kind::Input, prompt, title, MessageButtons::Ok, answer.has_value());
    if (answer)
        return std::move(answer->input);
    return std::nullopt;
}

void ScriptedDialogs::errorReport(const std::string& platformText) {
    const std::optional<Answer> answer = take(ShownBox::Kind::Error, MessageButtons::Ok);
    record(ShownBox::Kind::Error, platformText, kErrorReportTitle, MessageButtons::Ok,
           answer.has_value());
}

std::vector<ShownBox> ScriptedDialogs::unexpected() const {
    std::vector<ShownBox> boxes;
    for (const ShownBox& box : shown_) {
        if (!box.expected)
            boxes.push_back(box);
    }
    return boxes;
}

std::vector<std::string> ScriptedDialogs::texts() const {
    std::vector<std::string> result;
    for (const ShownBox& box : shown_)
        result.push_back(box.text);
    return result;
}

void ScriptedDialogs::clear() {
    answers_.clear();
    shown_.clear();
}

std::optional<ScriptedDialogs::Answer> ScriptedDialogs::take(ShownBox::Kind kind,
                                                             MessageButtons buttons) {
    if (answers_.empty() || answers_.front().kind != kind)
        return std::nullopt;
    if (kind == ShownBox::Kind::Message && !fits(answers_.front().message, buttons)) {
        return std::nullopt;
    }
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

void ScriptedDialogs::record(ShownBox::Kind kind, const std::string& text, const std::string& title,
                             MessageButtons buttons, bool expected) {
    shown_.push_back(ShownBox{kind, text, title, buttons, expected});
}

}  // namespace ledgerleaf
