#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace zun {

// The one way the model reaches the windows: calls on the user-interface thread for what belongs
// to no model state (windows to show, boxes to answer). The model only notes what it asks in
// UiRequests; the dispatcher makes the calls once an input has been applied or the clock
// advanced, never from inside the model. The program implements the port with its windows; tests
// and the headless runner record the calls.
class UiPort {
public:
    virtual ~UiPort() = default;

    virtual void show_target() = 0;
    virtual void hide_target() = 0;
    // Flashes the keys of mechanism `mech`, whose pages the model has brought forward, and points
    // the hand at the last of them; nothing for a mechanism without a key.
    virtual void show_keys_of(int mech) = 0;
    // Points the hand at the bell button, whose page the model has brought forward.
    virtual void show_bell_page_and_hand() = 0;
    // Points the hand at the main window's button "поставить новый рулон".
    virtual void show_hand_at_new_coil_button() = 0;
    // Asks the shell to open a document from a folder, without waiting; the windows tell the
    // trainee when the file is missing or nothing on the computer opens it.
    virtual void open_document(const std::string &folder, const std::string &file) = 0;
    // A modal box with one text and an OK button; returns when it is answered.
    virtual void message_box(const std::string &text) = 0;
};

// Does nothing on any call: the base of a port that looks at a few of them only.
class NullUiPort : public UiPort {
public:
    void show_target() override {}
    void hide_target() override {}
    void show_keys_of(int /*mech*/) override {}
    void show_bell_page_and_hand() override {}
    void show_hand_at_new_coil_button() override {}
    void open_document(const std::string & /*folder*/, const std::string & /*file*/) override {}
    void message_box(const std::string & /*text*/) override {}
};

// Writes down every call, in order, and does nothing else.
class RecordingUiPort final : public UiPort {
public:
    void show_target() override { calls.emplace_back("show_target"); }
    void hide_target() override { calls.emplace_back("hide_target"); }
    void show_keys_of(int mech) override
    {
        calls.push_back("show_keys_of " + std::to_string(mech));
    }
    void show_bell_page_and_hand() override { calls.emplace_back("show_bell_page_and_hand"); }
    void show_hand_at_new_coil_button() override
    {
        calls.emplace_back("show_hand_at_new_coil_button");
    }
    void open_document(const std::string &folder, const std::string &file) override
    {
        calls.push_back("open_document " + folder + " " + file);
    }
    void message_box(const std::string &text) override { calls.push_back("message_box " + text); }

    std::vector<std::string> calls;
};

// One thing the model asks of the windows.
struct WindowRequest {
    enum class Kind { ShowTarget, HideTarget, ShowKeys, BellHand, NewCoilHand, MessageBox };
    Kind kind;
    int mech = 0;     // ShowKeys
    std::string text; // MessageBox
};

// Makes the port's call that the request stands for.
void deliver(const WindowRequest &request, UiPort &port);

// What the model has asked of the windows and not yet handed on, in the order asked.
class UiRequests {
public:
    void show_target() { ask(WindowRequest::Kind::ShowTarget); }
    void hide_target() { ask(WindowRequest::Kind::HideTarget); }
    void show_keys_of(int mech) { ask(WindowRequest::Kind::ShowKeys, mech); }
    void show_bell_page_and_hand() { ask(WindowRequest::Kind::BellHand); }
    void show_hand_at_new_coil_button() { ask(WindowRequest::Kind::NewCoilHand); }
    void message_box(std::string text) { ask(WindowRequest::Kind::MessageBox, 0, std::move(text)); }

    std::deque<WindowRequest> take() { return std::exchange(pending_, {}); }

private:
    void ask(WindowRequest::Kind kind, int mech = 0, std::string text = {})
    {
        pending_.push_back({kind, mech, std::move(text)});
    }

    std::deque<WindowRequest> pending_;
};

} // namespace zun
