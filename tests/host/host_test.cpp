// The scripted host: JSON text (escaping, exact numbers, stable layout, changes between states),
// the script reader (strings, lists, 16-bit ranges), and the interpreter's handling of faulty
// scripts, write-backs, getter failures and boxes.
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

TEST(Json, ShortContainersOfScalarsStayOnOneLine) {
    Value v = Value::object();
    v.set("geometry", Value(json::Array{Value(1), Value(2)}));
    v.set("picture", Value(json::Object{{"kind", Value("Icon")}, {"name", Value("X")}}));
    v.set("nested", Value(json::Array{Value(json::Array{})}));
    v.set("geometry", Value(true));  // replaced in place, order kept
    EXPECT_EQ(json::Write(v),
              "{\n"
              "  \"geometry\": true,\n"
              "  \"picture\": {\"kind\": \"Icon\", \"name\": \"X\"},\n"
              "  \"nested\": [\n"
              "    []\n"
              "  ]\n"
              "}\n");
    json::Array longList;
    for (int i = 0; i < 40; ++i)
        longList.emplace_back("item");
    EXPECT_NE(json::Write(Value(longList)).find("\n  \"item\",\n"), std::string::npos);
}

TEST(Json, DiffKeepsWhatChangedAndShowsPicturesWhole) {
    const Value before(json::Object{
        {"a", Value(1)},
        {"w",
         Value(json::Object{
             {"text", Value("x")}, {"left", Value(1)}, {"top", Value(2)}, {"width", Value(3)}})},
        {"p", Value(json::Object{{"kind", Value("Icon")}, {"name", Value("A")}})},
        {"gone", Value(0)}});
    const Value after(json::Object{
        {"a", Value(1)},
        {"w",
         Value(json::Object{
             {"text", Value("y")}, {"left", Value(1)}, {"top", Value(2)}, {"width", Value(3)}})},
        {"p", Value(json::Object{{"kind", Value("Icon")}, {"name", Value("B")}})},
        {"new", Value(true)}});
    const Value d = json::Diff(before, after);
    ASSERT_EQ(d.size(), 4u);
    EXPECT_EQ(*d.find("w"), Value(json::Object{{"text", Value("y")}}));
    EXPECT_EQ(*d.find("p"), *after.find("p"));
    EXPECT_EQ(*d.find("new"), Value(true));
    EXPECT_TRUE(d.find("gone")->isNull());
    EXPECT_EQ(json::Diff(after, after).size(), 0u);
}

TEST(Script, WordsStringsListsAndComments) {
    const auto t = Tokenize(R"(type tbPara(0) "a \"b\" c\\" [1, -2.5 3]# rest)");
    ASSERT_EQ(t.size(), 8u);
    EXPECT_EQ(t[1].text, "tbPara(0)");
    EXPECT_EQ(t[2].kind, Token::Kind::String);
    EXPECT_EQ(t[2].text, "a \"b\" c\\");
    EXPECT_EQ(t[3].kind, Token::Kind::Open);
    EXPECT_EQ(t[5].text, "-2.5");
    EXPECT_EQ(t[7].kind, Token::Kind::Close);
    EXPECT_EQ(Tokenize("set chbmp pics\\")[2].text, "pics\\");
    EXPECT_EQ(WithoutComment(R"(type x "#1" # note)"), R"(type x "#1" )");
    EXPECT_THROW(Tokenize("type x \"open"), ScriptError);
    EXPECT_THROW(Tokenize(R"(type x "\q")"), ScriptError);
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

TEST(Session, BoxesShownWhileReadingAGetterStayWithTheGetter) {
    Session s;
    s.runLine("create OperFraisage", 1);
    s.runLine("type tbVal(2) 1e999", 2);  // no passes yet: nothing is computed
    s.runLine("print GetPasse", 3);
    const Value out = s.output();
    const Value& entry = out.find("log")->elements().back();
    const Value& value = *entry.find("items")->find("GetPasse");
    EXPECT_EQ(*value.find("value"), Value(0.0));
    ASSERT_EQ(value.find("messages")->size(), 1u);
    EXPECT_EQ(entry.find("messages"), nullptr);
}

TEST(Session, PrintChangesStartsFromTheCreatedState) {
    Session s;
    s.runLine("create Arrosage", 1);
    s.runLine("print changes", 2);
    s.runLine("click bArro", 3);
    s.runLine("pick bArro 0", 4);  // no list: the panel's error box, not a script fault
    s.runLine("print changes", 5);
    const Value out = s.output();
    const auto& log = out.find("log")->elements();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].find("changes")->size(), 0u);
    EXPECT_EQ(log[1].find("messages")->size(), 1u);
    const Value& widgets =
        *log[2].find("changes")->find("controls")->find("Arrosage")->find("widgets");
    EXPECT_EQ(*widgets.find("tArro"), Value(json::Object{{"caption", Value("Arrosage 1")}}));
}

// The final state lists only the widgets that differ from the control as created, with what
// differs; the layout lists the widgets on screen, so that a hidden frame hides what lies in it.
TEST(Session, FinalStateAndLayoutShowWhatDiffersAndWhatIsOnScreen) {
    Session s;
    s.runLine("create OperFraisage", 1);
    s.runLine("SetAval 0", 2);  // the hosted toggle: conventional
    s.runLine("print layout", 3);
    s.runLine("create Arrosage", 4);
    s.runLine("click bArro", 5);
    s.runLine("click bArro", 6);
    s.runLine("click bArro", 7);
    s.runLine("click bArro", 8);  // back to the state as created, but for the design caption
    const Value out = s.output();
    const Value& controls = *out.find("state")->find("controls");
    const Value& milling = *controls.find("OperFraisage")->find("changedWidgets");
    EXPECT_EQ(milling.size(), 2u);
    EXPECT_EQ(*milling.find("Avalant1.Tavalant"),
              Value(json::Object{{"caption", Value("Opposition")}}));
    EXPECT_EQ(*milling.find("Avalant1.Bavalant")->find("picture")->find("name"),
              Value("OPPOSITION"));
    EXPECT_EQ(controls.find("OperFraisage")->find("getters")->size(), 18u);
    const Value& coolant = *controls.find("Arrosage")->find("changedWidgets");
    EXPECT_EQ(coolant.size(), 1u);
    EXPECT_EQ(*coolant.find("tArro"), Value(json::Object{{"caption", Value("Arrêt arrosage")}}));

    const Value& layout = *out.find("log")->elements()[0].find("layout");
    EXPECT_EQ(*layout.find("pFraisage"),
              Value(json::Array{Value(0), Value(0), Value(5100), Value(4800)}));
    EXPECT_NE(layout.find("Avalant1.Bavalant"), nullptr);
    EXPECT_NE(layout.find("tbVal(8)"), nullptr);
    // The engagement frame is shown at creation; a frame hidden by a set-up takes its widgets.
    EXPECT_NE(layout.find("cAccostage"), nullptr);
    Session hidden;
    hidden.runLine("create OperFraisage", 1);
    hidden.runLine("set Typoper 10", 2);
    hidden.runLine("SetPasses FR10 [50 2 3 0.5 0.2 0.3 8 1 10 12 10]", 3);
    hidden.runLine("print layout", 4);
    hidden.runLine("final off", 5);
    const Value result = hidden.output();
    EXPECT_EQ(result.find("state"), nullptr);
    const Value& after = *result.find("log")->elements().back().find("layout");
    EXPECT_EQ(after.find("pTrou"), nullptr);
    EXPECT_EQ(after.find("bTrou(0)"), nullptr);  // inside the hidden hole frame
    EXPECT_NE(after.find("tbVal(0)"), nullptr);
}

}  // namespace
}  // namespace oruhost
