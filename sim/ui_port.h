#pragma once

#include <string>
#include <vector>

namespace zun {

// The one way the model reaches the windows: synchronous calls on the user-interface thread for
// what belongs to no model state (windows to show, boxes to answer). The program implements it
// with its windows; tests and the headless runner record the calls.
class UiPort {
public:
    virtual ~UiPort() = default;

    virtual void show_target() = 0;
    virtual void hide_target() = 0;
    // Flashes the keys of the current mechanism, whose pages the model has brought forward, and
    // points the hand at the last of them; nothing for a mechanism without a key.
    virtual void show_key_of_cur_mech() = 0;
    // Points the hand at the bell button, whose page the model has brought forward.
    virtual void show_bell_page_and_hand() = 0;
    // Asks the shell to open a document from a folder, without waiting; the result is not
    // looked at.
    virtual void open_document(const std::string &folder, const std::string &file) = 0;
    // A modal box with one text and an OK button; returns when it is answered. The model asks
    // for it only after an input has been applied.
    virtual void message_box(const std::string &text) = 0;
};

// Writes down every call, in order, and does nothing else.
class RecordingUiPort final : public UiPort {
public:
    void show_target() override { calls.emplace_back("show_target"); }
    void hide_target() override { calls.emplace_back("hide_target"); }
    void show_key_of_cur_mech() override { calls.emplace_back("show_key_of_cur_mech"); }
    void show_bell_page_and_hand() override { calls.emplace_back("show_bell_page_and_hand"); }
    void open_document(const std::string &folder, const std::string &file) override
    {
        calls.push_back("open_document " + folder + " " + file);
    }
    void message_box(const std::string &text) override { calls.push_back("message_box " + text); }

    std::vector<std::string> calls;
};

} // namespace zun
