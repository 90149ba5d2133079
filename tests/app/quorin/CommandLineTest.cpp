#include <gtest/gtest.h>

#include "app/quorin/CommandLine.h"

TEST(QuorinCommandLine, OptionsAndTheDefaultRoot) {
    struct Case {
        std::vector<const char*> args;
        std::filesystem::path root;
        bool headless;
        std::string screenshot;
        bool help;
        bool error;
    } cases[] = {
        {{"quorin"}, "/data/quorin", false, "", false, false},
        {{"quorin", "--root", "/r", "--headless", "--screenshot", "s.png"},
         "/r",
         true,
         "s.png",
         false,
         false},
        {{"quorin", "--help"}, "/data/quorin", false, "", true, false},
        {{"quorin", "--root"}, "/data/quorin", false, "", false, true},
        {{"quorin", "--colour"}, "/data/quorin", false, "", false, true},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(static_cast<int>(c.args.size()), c.args.data(), "/data");
        EXPECT_EQ(line.root, c.root) << c.args.size();
        EXPECT_EQ(line.headless, c.headless);
        EXPECT_EQ(line.screenshot, c.screenshot);
        EXPECT_EQ(line.help, c.help);
        EXPECT_EQ(!line.error.empty(), c.error);
    }
}
