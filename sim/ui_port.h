#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace zun {

// The one way the model reaches the windows: calls on the user-interface thread for what belongs
// to no model state (windows to show, boxes to answer). The model asks through UiRequests, which
// hands the calls over after an input has been applied and after each advance of the clock, never
// from inside a timer's tick. The program implements it with its windows; tests and the headless
// runner record the calls.
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

// What the model has asked of the windows and not yet handed over, in the order asked.
class UiRequests {
public:
    explicit UiRequests(UiPort &port) : port_(port) {}
    UiRequests(const UiRequests &) = delete;
    UiRequests &operator=(const UiRequests &) = delete;

    void show_target() { pending_.push_back({Kind::ShowTarget, 0, {}}); }
    void hide_target() { pending_.push_back({Kind::HideTarget, 0, {}}); }
    void show_keys_of(int mech) { pending_.push_back({Kind::ShowKeys, mech, {}}); }
    void show_bell_page_and_hand() { pending_.push_back({Kind::BellHand, 0, {}}); }
    void show_hand_at_new_coil_button() { pending_.push_back({Kind::NewCoilHand, 0, {}}); }
    void message_box(std::string text)
    {
        pending_.push_back({Kind::MessageBox, 0, std::move(text)});
    }

    // Hands every request over, one at a time; a box's own loop may ask for more, which this
    // call hands over after the box.
    void deliver();
    // How many boxes have been handed over: a box takes the mouse while it is open.
    std::uint64_t boxes_shown() const { return boxes_shown_; }

private:
    enum class Kind { ShowTarget, HideTarget, ShowKeys, BellHand, NewCoilHand, MessageBox };
    struct Request {
        Kind kind;
        int mech;
        std::string text;
    };

    UiPort &port_;
    std::deque<Request> pending_;
    std::uint64_t boxes_shown_ = 0;
    bool delivering_ = false;
};

} // namespace zun
