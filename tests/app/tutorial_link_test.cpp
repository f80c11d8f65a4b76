// The tutorial label opens the tutorial page in the default browser. A stand-in browser,
// registered as the handler of the page's scheme (in the test's own Wine prefix, and only
// while the test runs), records how the shell started it.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/scoped_handles.h"
#include "started_tool.h"

namespace cp::e2e {
namespace {

using C = ControlId;

const char kTutorialAddress[] = COUPONPASTE_TUTORIAL_ADDRESS;

// Makes command the way the shell opens addresses of one scheme, for as long as it lives;
// then the earlier way is back.
class SchemeHandlerOverride {
  public:
    SchemeHandlerOverride(std::string scheme, const std::string& command)
        : schemeKey_(std::move(scheme)),
          commandKey_(schemeKey_ + "\\shell\\open\\command"),
          schemeExisted_(keyExists(schemeKey_)),
          previousCommand_(defaultValue(commandKey_)) {
        installed_ = RegSetKeyValueA(HKEY_CLASSES_ROOT, commandKey_.c_str(), nullptr, REG_SZ,
                                     command.c_str(),
                                     static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
    }
    ~SchemeHandlerOverride() {
        if (!schemeExisted_) {
            RegDeleteTreeA(HKEY_CLASSES_ROOT, schemeKey_.c_str());
        } else if (previousCommand_) {
            RegSetKeyValueA(HKEY_CLASSES_ROOT, commandKey_.c_str(), nullptr, REG_SZ,
                            previousCommand_->c_str(),
                            static_cast<DWORD>(previousCommand_->size() + 1));
        } else {
            RegDeleteKeyValueA(HKEY_CLASSES_ROOT, commandKey_.c_str(), nullptr);
        }
    }
    SchemeHandlerOverride(const SchemeHandlerOverride&) = delete;
    SchemeHandlerOverride& operator=(const SchemeHandlerOverride&) = delete;

    bool installed() const { return installed_; }

  private:
    static bool keyExists(const std::string& key) {
        HKEY opened = nullptr;
        const LSTATUS status = RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &opened);
        const win::RegistryKey closedOnReturn(opened);
        return status == ERROR_SUCCESS;
    }
    static std::optional<std::string> defaultValue(const std::string& key) {
        char value[1024] = {};
        DWORD size = sizeof value;
        if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value,
                         &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return std::string(value);
    }

    std::string schemeKey_;
    std::string commandKey_;
    bool schemeExisted_;
    std::optional<std::string> previousCommand_;
    bool installed_ = false;
};

std::string schemeOf(const std::string& address) {
    return address.substr(0, address.find(':'));
}

TEST_F(StartedTool, PressOnTheTutorialLabelOpensTheTutorialPageEachTime) {
    const std::string address = kTutorialAddress;
    ASSERT_EQ(address.rfind("http", 0), 0u) << "a web address: " << address;
    const std::string record = tool.folder().file("browser-started.txt");
    SchemeHandlerOverride browser(
        schemeOf(address),
        "\"" + programDirectory() + "\\stand_in_browser.exe\" \"" + record + "\" \"%1\"");
    ASSERT_TRUE(browser.installed());
    const auto browserOpened = [&] {
        const std::optional<std::string> commandLine = readWholeFile(record);
        return commandLine && commandLine->find(address) != std::string::npos;
    };

    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE(testing::Message() << "press " << press);
        DeleteFileA(record.c_str());
        ASSERT_TRUE(tool.pressMouseOn(C::标签9));
        EXPECT_TRUE(eventually(browserOpened)) << "the page opens when the button goes down";
        tool.releaseMouse();
        tool.settle();
        EXPECT_TRUE(tool.running());
    }
}

}  // namespace
}  // namespace cp::e2e
