// programs.txt as text: every key, quotes, wildcards, "-name", comments,
// unreadable lines kept as they stand; and the merge of matching rules.
#include <doctest.h>
#include "scroll/program.h"
#include "scroll/program_rules.h"
#include <string>

TEST_CASE("a line of programs.txt: what it says, or why it cannot be read")
{
    struct {
        const char *line;
        int kind;
        const char *program, *cls, *title;
        unsigned set;
        int off, speed, reverse, horizontal, delivery, pointer, glide, still;
        const char *why;
    } rows[] = {
        {"", LINE_NOTE, "", "", "", 0, 0, 0, 0, 0, 0, 0, 0, 0, ""},
        {"   ; a comment", LINE_NOTE, "", "", "", 0, 0, 0, 0, 0, 0, 0, 0, 0, ""},
        {"# another", LINE_NOTE, "", "", "", 0, 0, 0, 0, 0, 0, 0, 0, 0, ""},
        {"game.exe off", LINE_RULE, "game.exe", "", "", RULE_OFF, 1, 0, 0, 0, 0, 0, 0, 0, ""},
        {"-game", LINE_RULE, "game", "", "", RULE_OFF, 1, 0, 0, 0, 0, 0, 0, 0, ""},
        {"cad speed=50%", LINE_RULE, "cad", "", "", RULE_SPEED, 0, 50, 0, 0, 0, 0, 0, 0, ""},
        {"cad speed=1000", LINE_RULE, "cad", "", "", RULE_SPEED, 0, 1000, 0, 0, 0, 0, 0, 0, ""},
        {"vlc reverse=on glide=off still=on horizontal=off", LINE_RULE, "vlc", "", "",
         RULE_REVERSE | RULE_GLIDE | RULE_STILL | RULE_HORIZONTAL, 0, 0, 1, 0, 0, 0, 0, 1, ""},
        {"* target=pointer", LINE_RULE, "*", "", "", RULE_TARGET, 0, 0, 0, 0, 0, 1, 0, 0, ""},
        {"chrome delivery=lines target=front", LINE_RULE, "chrome", "", "",
         RULE_DELIVERY | RULE_TARGET, 0, 0, 0, 0, DELIVERY_LINES, 0, 0, 0, ""},
        {"x delivery=real", LINE_RULE, "x", "", "", RULE_DELIVERY, 0, 0, 0, 0, DELIVERY_REAL, 0, 0,
         0, ""},
        {"\"My Program.exe\" class=Sun* title=\"To Do\" speed=200%", LINE_RULE, "My Program.exe",
         "Sun*", "To Do", RULE_SPEED, 0, 200, 0, 0, 0, 0, 0, 0, ""},
        {"\t javaw   class=SunAwtFrame  reverse=off ", LINE_RULE, "javaw", "SunAwtFrame", "",
         RULE_REVERSE, 0, 0, 0, 0, 0, 0, 0, 0, ""},
        {"cad sped=50%", LINE_BAD, "", "", "", 0, 0, 0, 0, 0, 0, 0, 0, 0, "unknown key \"sped\""},
        {"cad speed=5%", LINE_BAD, "", "", "", 0, 0, 0, 0, 0, 0, 0, 0, 0, "speed must be"},
        {"cad speed=abc", LINE_BAD, "", "", "", 0, 0, 0, 0, 0, 0, 0, 0, 0, "speed must be"},
        {"cad reverse=yes", LINE_BAD, "", "", "", 0, 0, 0, 0, 0, 0, 0, 0, 0, "reverse must be"},
        {"cad target=under", LINE_BAD, "", "", "", 0, 0, 0, 0, 0, 0, 0, 0, 0, "target must be"},
        {"cad delivery=smooth", LINE_BAD, "", "", "", 0, 0, 0, 0, 0, 0, 0, 0, 0, "delivery must"},
        {"\"My Program.exe off", LINE_BAD, "", "", "", 0, 0, 0, 0, 0, 0, 0, 0, 0, "quote"},
        {"cad fast", LINE_BAD, "", "", "", 0, 0, 0, 0, 0, 0, 0, 0, 0, "is no key=value"},
        {"- off", LINE_BAD, "", "", "", 0, 0, 0, 0, 0, 0, 0, 0, 0, "no program"},
    };
    for (auto &r : rows) {
        CAPTURE(std::string(r.line));
        RULELINE l = ParseRuleLine(r.line);
        CHECK(l.nKind == r.kind);
        CHECK(l.text == r.line);
        if (r.kind == LINE_BAD) {
            CHECK(l.why.find(r.why) != std::string::npos);
            continue;
        }
        if (r.kind != LINE_RULE)
            continue;
        CHECK(l.rule.program == r.program);
        CHECK(l.rule.cls == r.cls);
        CHECK(l.rule.title == r.title);
        CHECK(l.rule.nSet == r.set);
        int got[8] = {l.rule.bOff, l.rule.nSpeed, l.rule.bReverse, l.rule.bHorizontal,
                      l.rule.nDelivery, l.rule.bPointer, l.rule.bGlide, l.rule.bStill};
        int want[8] = {r.off, r.speed, r.reverse, r.horizontal, r.delivery, r.pointer, r.glide,
                       r.still};
        for (int i = 0; i < 8; i++) {
            CAPTURE(i);
            CHECK(got[i] == want[i]);
        }
        // Written as the program writes it, it reads back the same.
        RULELINE again = ParseRuleLine(FormatRule(l.rule));
        CHECK(again.nKind == LINE_RULE);
        CHECK(FormatRule(again.rule) == FormatRule(l.rule));
        CHECK(again.rule.nSet == l.rule.nSet);
    }
}

TEST_CASE("a file: any line ends in, CR LF out, unreadable lines kept as they stand")
{
    const char bytes[] = "\xEF\xBB\xBF; rules\n* target=pointer\r\ncad sped=5\rgame off\r\n\r\n"
                         "\"half quote";
    RULESET rules = ParseRules(bytes, sizeof bytes - 1);
    REQUIRE(rules.lines.size() == 6);
    CHECK(rules.lines[0].nKind == LINE_NOTE);
    CHECK(rules.lines[1].nKind == LINE_RULE);
    CHECK(rules.lines[2].nKind == LINE_BAD);
    CHECK(rules.lines[3].nKind == LINE_RULE);
    CHECK(rules.lines[4].nKind == LINE_NOTE);
    CHECK(rules.lines[5].nKind == LINE_BAD);
    CHECK(FirstBadLine(rules) == "Line 3: unknown key \"sped\"");
    CHECK(RulesFileBytes(rules) ==
          "; rules\r\n* target=pointer\r\ncad sped=5\r\ngame off\r\n\r\n\"half quote\r\n");
    RULESET none = ParseRules("", 0);
    CHECK(none.lines.empty());
    CHECK(FirstBadLine(none) == "");
}

TEST_CASE("every matching rule applies in file order, the later value winning")
{
    const char text[] =
        "* target=pointer speed=150%\n"
        "javaw class=SunAwt* speed=50%\n"
        "javaw title=notes reverse=on\n"
        "\"vlc media player\" off\n"
        "Note?ad.EXE glide=off\n"
        "chrome delivery=lines\n"
        "* class=Chrome_WidgetWin_1 delivery=precise\n";
    RULESET rules = ParseRules(text, sizeof text - 1);
    struct {
        const char *program, *root, *pointer, *title, *owner;
        unsigned set;
        int speed, reverse, off, glide, delivery;
    } rows[] = {
        {"javaw.exe", "SunAwtFrame", "SunAwtCanvas", "Editor", "", RULE_TARGET | RULE_SPEED, 50, 0,
         0, 0, 0},
        {"JAVAW.EXE", "Other", "SunAwtCanvas", "Editor", "", RULE_TARGET | RULE_SPEED, 50, 0, 0, 0,
         0},                                        // the class of the window under the pointer
        {"javaw.exe", "Other", "Other", "My Notes", "", RULE_TARGET | RULE_SPEED | RULE_REVERSE, 150,
         1, 0, 0, 0},
        {"javaw.exe", "Other", "Other", "Save", "Notes - Java", RULE_TARGET | RULE_SPEED | RULE_REVERSE,
         150, 1, 0, 0, 0},                          // the owner's title
        {"vlc media player.exe", "", "", "", "", RULE_TARGET | RULE_SPEED | RULE_OFF, 150, 0, 1, 0,
         0},
        {"notepad.exe", "Notepad", "Edit", "", "", RULE_TARGET | RULE_SPEED | RULE_GLIDE, 150, 0, 0,
         0, 0},
        {"chrome.exe", "Chrome_WidgetWin_1", "", "", "", RULE_TARGET | RULE_SPEED | RULE_DELIVERY,
         150, 0, 0, 0, DELIVERY_PRECISE},           // the later line wins
        {"other.exe", "", "", "", "", RULE_TARGET | RULE_SPEED, 150, 0, 0, 0, 0},
    };
    for (auto &r : rows) {
        CAPTURE(std::string(r.program) + " / " + r.root + " / " + r.title);
        RULEWINDOW w = {r.program, r.root, r.pointer, r.title, r.owner};
        PROGRAMRULE m = MatchRules(rules, w);
        CHECK(m.nSet == r.set);
        CHECK(m.nSpeed == r.speed);
        CHECK(m.bReverse == r.reverse);
        CHECK(m.bOff == r.off);
        CHECK(m.bGlide == r.glide);
        CHECK(m.nDelivery == r.delivery);
    }
    CHECK(ProgramMatches("notepad", "NOTEPAD.EXE"));
    CHECK(ProgramMatches("n*.exe", "notepad.exe"));
    CHECK_FALSE(ProgramMatches("note", "notepad.exe"));
    CHECK_FALSE(ProgramMatches("notepad.exe", "notepad2.exe"));
}

TEST_CASE("a UWP app's frame belongs to the program of its content")
{
    struct { unsigned long pid; const char *program; unsigned long children[3]; int n; unsigned long owner; } rows[] = {
        {10, "notepad.exe", {11, 12}, 2, 10},                 // any other program: its own
        {10, "ApplicationFrameHost.exe", {10, 42, 43}, 3, 42}, // the first child of another process
        {10, "applicationframehost.EXE", {42}, 1, 42},
        {10, "ApplicationFrameHost.exe", {10, 10}, 2, 10},     // all its own: the frame host
        {10, "ApplicationFrameHost.exe", {}, 0, 10},
    };
    for (auto &r : rows) {
        CAPTURE(std::string(r.program));
        CHECK(ProgramProcess(r.pid, r.program, r.children, r.n) == r.owner);
    }
}

TEST_CASE("each key's value as the Programs dialog's list shows it, blank where unset")
{
    struct {
        const char *line;
        unsigned bit;
        const char *text;
    } rows[] = {
        {"-game", RULE_OFF, "off"},
        {"game", RULE_OFF, ""},
        {"cad speed=50", RULE_SPEED, "50%"},
        {"cad speed=50", RULE_REVERSE, ""},
        {"vlc reverse=on", RULE_REVERSE, "on"},
        {"vlc horizontal=off", RULE_HORIZONTAL, "off"},
        {"x delivery=notched", RULE_DELIVERY, "notched"},
        {"x target=front", RULE_TARGET, "front"},
        {"x target=pointer", RULE_TARGET, "pointer"},
        {"x glide=off still=on", RULE_GLIDE, "off"},
        {"x glide=off still=on", RULE_STILL, "on"},
    };
    for (auto &r : rows) {
        CAPTURE(std::string(r.line));
        CAPTURE(r.bit);
        RULELINE l = ParseRuleLine(r.line);
        REQUIRE(l.nKind == LINE_RULE);
        CHECK(RuleValueText(l.rule, r.bit) == r.text);
    }
}
