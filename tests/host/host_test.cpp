// The scripted host: JSON text (escaping, exact numbers), the script reader's 16-bit ranges, and
// the interpreter's handling of faulty scripts, write-backs and getter failures.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "json.hpp"
#include "script.hpp"
#include "session.hpp"

namespace oruhost {
namespace {

using json::Value;

TEST(Json, StringsAreEscapedAndKeptValidUtf8) {
    EXPECT_EQ(json::Quote("a\"b\\c"), R"("a\"b\\c")");
    EXPECT_EQ(json::Quote("Sélection\r\nx\ty"), R"("Sélection\r\nx\ty")");
    EXPECT_EQ(json::Quote(std::string("\x01\x7f", 2)), R"("\u0001\u007f")");
    // A lone Windows-1252 byte, a truncated sequence and an overlong form are no UTF-8.
    EXPECT_EQ(json::Quote("\xE9t\xC3"), R"("\ufffdt\ufffd")");
    EXPECT_EQ(json::Quote("\xC0\xAF"), R"("\ufffd\ufffd")");
    EXPECT_EQ(json::Quote("\xF0\x9F\x98\x80"), "\"\xF0\x9F\x98\x80\"");
}

TEST(Json, NumbersReadBackExactly) {
    EXPECT_EQ(json::Number(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(json::Number(2.5), "2.5");
    EXPECT_EQ(json::Number(40), "40");
    EXPECT_EQ(json::Number(1e20), "1e+20");
    EXPECT_EQ(json::Number(-0.0), "-0");
    EXPECT_EQ(json::Number(1.0 / 0.0), "\"inf\"");
}

TEST(Script, ArgumentsAreCheckedForTypeAndRange) {
    Args a(Tokenize("32767 -32768 1.5e2 [1 2] [] true"));
    EXPECT_EQ(a.int16("n"), 32767);
    EXPECT_EQ(a.int16("n"), -32768);
    EXPECT_EQ(a.number("x"), 150.0);
    EXPECT_EQ(a.int16s("ti").size(), 2u);
    EXPECT_TRUE(a.numbers("td").empty());
    EXPECT_TRUE(a.boolean("b"));
    EXPECT_NO_THROW(a.end());

    for (const char* bad : {"32768", "-32769", "1.5", "x", "[1]"})
        EXPECT_THROW(Args(Tokenize(bad)).int16("n"), ScriptError) << bad;
    for (const char* bad : {"1.5.2", "inf", "nan", "1e999", "0x10", "", "\"1\""})
        EXPECT_THROW(Args(Tokenize(bad)).number("x"), ScriptError) << bad;
    EXPECT_THROW(Args(Tokenize("[1 40000]")).int16s("ti"), ScriptError);
    EXPECT_THROW(Args(Tokenize("[1 2")).numbers("td"), ScriptError);
    EXPECT_THROW(Args(Tokenize("1 2")).end(), ScriptError);
}

// Runs a script; "" when it runs, else the script error.
std::string Fault(const std::string& script) {
    Session s;
    std::istringstream in(script);
    try {
        s.run(in, "t.oru");
    } catch (const ScriptError& e) {
        return e.what();
    }
    return "";
}

TEST(Session, FaultsOfTheScriptNameTheirLine) {
    EXPECT_EQ(Fault("create Avalant\nfrobnicate\n"), "t.oru:2: unknown command 'frobnicate'");
    EXPECT_EQ(Fault("click bX\n"), "t.oru:1: no control: create one first");
    EXPECT_EQ(Fault("create Robot\n"),
              "t.oru:1: unknown control class 'Robot' (OperFraisage, OperTournage, Avalant, "
              "SensRot, Arrosage)");
    EXPECT_EQ(Fault("create OperTournage\n# note\n\nclick tbPara(8)\n"),
              "t.oru:4: unknown widget 'tbPara(8)'");
    EXPECT_EQ(Fault("create OperFraisage\nclick Avalant1.Nothing\n"),
              "t.oru:2: unknown widget 'Avalant1.Nothing'");
    EXPECT_EQ(Fault("create OperTournage\nclick bSens.x\n"), "t.oru:2: unknown widget 'bSens.x'");
    EXPECT_EQ(Fault("create Arrosage\nSetArrosage 1 2\n"),
              "t.oru:2: too many arguments, starting at '2'");
    EXPECT_EQ(Fault("create Arrosage\nSetArrosage 40000\n"),
              "t.oru:2: Arrose 40000 is outside the 16-bit range -32768 to 32767");
    EXPECT_EQ(Fault("create OperFraisage\nset Typoper 1.5\n"),
              "t.oru:2: expected Typoper, found '1.5'");
    EXPECT_EQ(Fault("create OperFraisage\nset NumOp 1\n"),
              "t.oru:2: OperFraisage has no property 'NumOp'");
    EXPECT_EQ(Fault("create OperTournage\nSetOperTour a E M [1] \n"),
              "t.oru:2: expected ti, found nothing");
    EXPECT_EQ(Fault("create OperTournage\npick cbPas \"9\"\n"),
              "t.oru:2: no item of cbPas starts with '9'");
    EXPECT_EQ(Fault("create Avalant\ncreate Avalant\n"),
              "t.oru:2: a control named 'Avalant' exists");
    EXPECT_EQ(Fault("create Avalant a\ncreate SensRot b\nuse a\nSetSensRot 1 1\n"),
              "t.oru:4: unknown command 'SetSensRot'");
    EXPECT_EQ(Fault("create Avalant\ntoollib maybe\n"),
              "t.oru:2: expected empty, absent or echo, found 'maybe'");
}

TEST(Session, ArgumentsAreAllReadBeforeAnythingRuns) {
    Session s;
    s.runLine("create SensRot", 1);
    EXPECT_THROW(s.runLine("SetSensRot 1 x", 2), ScriptError);
    const Value out = s.output();
    EXPECT_EQ(out.find("state")->find("controls")->find("SensRot")->find("writeBacks"), nullptr);
}

TEST(Session, WriteBacksGetterFailuresAndBoxesAreReported) {
    Session s;
    s.runLine("create SensRot", 1);
    s.runLine("SetSensRot 3 -1", 2);
    s.runLine("create OperTournage", 3);
    s.runLine("type tbXsecu 1e999", 4);
    s.runLine("GetXsecu", 5);
    s.runLine("type tbPara(0) 7", 6);
    s.runLine("set NumOp 106", 7);
    const Value out = s.output();
    const Value& state = *out.find("state")->find("controls");
    EXPECT_EQ(*state.find("SensRot")->find("writeBacks"),
              Value(json::Object{{"SetSensRot", Value(json::Object{{"SensRot", Value(-2)}})}}));
    const Value& getters = *state.find("OperTournage")->find("getters");
    EXPECT_EQ(*getters.find("GetXsecu"),
              Value(json::Object{{"error", Value("Dépassement de capacité")}}));
    // The log holds the line that failed, with the error of the getter.
    const Value& log = *out.find("log");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(*log.elements()[0].find("line"), Value(5));
    EXPECT_EQ(*log.elements()[0].find("error"), Value("Dépassement de capacité"));
}

}  // namespace
}  // namespace oruhost
