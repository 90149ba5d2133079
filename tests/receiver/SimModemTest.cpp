#include "tools/receiver-sim/sim/SimModem.h"

#include <gtest/gtest.h>

TEST(SimModem, AnswersWhatWasSetAndTheListsSourceTable) {
    sim::SimModem modem;
    EXPECT_EQ(modem.Answer("log,versiona,once"), "");
    const struct {
        const char* line;
        const char* answer;
    } exchange[] = {
        {"TOVAK,CLOSE", "TOVAK,CLOSE,OK\r\n"},
        {"TOVAK,MODEGSM", "TOVAK,MODEGSM,OK\r\n"},
        {"TOVAK,SETGSM,,139", "TOVAK,SETGSM,OK\r\n"},
        {"TOVAK,IPSET,1.2.3.4,80,dom", "TOVAK,IPSET,OK\r\n"},
        {"TOVAK,USER,me:pw", "TOVAK,USER,OK\r\n"},
        {"TOVAK,SETGPRS,own,77", "TOVAK,SETGPRS,OK\r\n"},
        {"TOVAK,MODEVRS", "TOVAK,MODEVRS,OK\r\n"},
        {"TOVAK,OPEN", "CONNECT\r\n"},
        {"TOVAK,READALL", "TOVAK,ALL,own,77,0,139,MODEGSM,MODEVRS,1.2.3.4,80,dom,me:pw,,\r\n"},
        {"TOVAK,RESET,ON", "TOVAK,RESET,OK\r\n"},
    };
    for (const auto& e : exchange) EXPECT_EQ(modem.Answer(e.line), e.answer) << e.line;
    modem.Answer("TOVAK,IPSET,,,");
    const std::string table = modem.Answer("TOVAK,RESET,ON");
    EXPECT_EQ(table.rfind("TOVAK,RESET,OK\r\nSOURCETABLE 200 OK\r\n", 0), 0u);
    EXPECT_NE(table.find("STR;CMRX;;CMR+;"), std::string::npos);
    EXPECT_EQ(table.substr(table.size() - 16), "ENDSOURCETABLE\r\n");
    modem.Answer("TOVAK,MODEGPRS");
    EXPECT_EQ(modem.Answer("TOVAK,OPEN"), "TOVAK,OPEN,OK\r\n");
}
