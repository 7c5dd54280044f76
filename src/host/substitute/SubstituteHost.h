// A stand-in for the host program, written from the host services interface alone: a topic bus with
// event subscriptions and commands, a menu, and a per-user profile of key/value texts. It serves the
// tests and the command-line front end. One instance may be active in a process at a time: the
// HostServices table has no context argument, so its functions reach the active instance.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "plugin/HostServices.h"

class SubstituteHost {
public:
    SubstituteHost();
    ~SubstituteHost();
    SubstituteHost(const SubstituteHost&) = delete;
    SubstituteHost& operator=(const SubstituteHost&) = delete;

    const HostServices* Services() const { return &services_; }

    // What the host answers.
    std::optional<intptr_t> language = 1049;   // answer to "System/GetLanguage"; nullopt: not served
    std::u16string databaseUri;                // "DB/GetConnectionUri"
    std::optional<std::u16string> accountName; // "Auth/AccountName"; nullopt: no signed-in user
    bool servesOpenAssayFile = true;           // "Main/OpenAssayFile"
    bool servesProfile = true;                 // the "Profile/..." topics

    // The profile: every value is kept as text, as the profile file stores it (ints in decimal,
    // rectangles as "left,top,right,bottom").
    std::map<std::u16string, std::u16string> profile;

    struct Registration {
        int32_t id;
        std::string topic;
        HostHandler handler;
    };
    struct MenuItem {
        std::u16string path;
        std::string commandTopic;
    };
    std::vector<Registration> subscriptions;
    std::vector<Registration> commands;
    std::vector<MenuItem> menu;
    std::vector<int32_t> unsubscribed;        // ids passed to UnsubscribeEvent
    std::vector<int32_t> unregistered;        // ids passed to UnregisterCommand
    std::vector<std::string> calls;           // every CallTopic and IsTopicAvailable topic, in order
    std::vector<std::u16string> openedAssays; // references passed to "Main/OpenAssayFile"

    // Raises an event: calls every handler subscribed to it; returns how many were called.
    int RaiseEvent(std::string_view topic);
    // Runs a registered command as the host does when its menu item is chosen; false when none.
    bool RunCommand(std::string_view topic, intptr_t ownerWindow);

    // The profile as a UTF-8 text file of "key=value" lines, both parts literal (no escapes): the key
    // runs to the first "=", the value to the end of the line. Blank lines, lines starting with "#" and
    // lines without a key are skipped; a byte-order mark and a CR before the line end are dropped. path
    // is UTF-8.
    bool LoadProfileFile(const std::string& path);
    // Writes every setting that fits on one line. A setting that does not (a line break in its value,
    // or a key that is empty, starts with "#" or holds "=") is left out and named in error; the call then
    // returns false, as it does when the file cannot be written.
    bool SaveProfileFile(const std::string& path, std::string* error = nullptr) const;

    // The profile file's bytes in memory, read and written by the two file functions above: the settings
    // a file's bytes hold are added to the profile (a later line of a key replaces an earlier one); the
    // bytes of a file are made of every setting that fits on one line, the keys of the others joined by
    // ", " into refused (an empty key written as ""; refused is empty only when every setting fits).
    void ReadProfileText(std::string_view bytes);
    std::string ProfileText(std::string& refused) const;

    static SubstituteHost* Active();

    // The topics the host answers itself, one row each: whether it serves the topic as configured, and
    // the call. A topic not in the table goes to the registered commands.
    struct ServedTopic {
        std::string_view topic;
        bool (*served)(const SubstituteHost& host);
        intptr_t (*call)(SubstituteHost& host, intptr_t first, intptr_t second);
    };
    static std::span<const ServedTopic> ServedTopics();

private:
    intptr_t CallTopic(std::string_view topic, intptr_t first, intptr_t second);
    bool IsTopicAvailable(std::string_view topic) const;
    static const ServedTopic* FindServedTopic(std::string_view topic);

    friend struct SubstituteHostThunks;
    HostServices services_{};
    int32_t nextId_ = 1;
    std::u16string returnedText_; // keeps a returned text alive until the next call
    SubstituteHost* previous_ = nullptr;
};
