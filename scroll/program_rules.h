// programs.txt: rules per program, the exceptions one set of options cannot
// make. Each line names a program (its file name, wildcards allowed), maybe
// a class and a title to narrow it, and the options that differ there;
// every line that matches a window applies, in file order, a later value
// winning over an earlier one. Lines that cannot be read are kept as they
// stand and reported. No window calls.
#pragma once
#include <stddef.h>
#include <string>
#include <vector>

// The options a rule can set, as bits of PROGRAMRULE.nSet.
enum {
    RULE_OFF = 1,           // hands off: nothing scrolled, nothing kept
    RULE_SPEED = 2,         // nSpeed percent of the drag, edge and arrow-key amount
    RULE_REVERSE = 4,
    RULE_HORIZONTAL = 8,    // sideways scrolling at all
    RULE_DELIVERY = 16,     // nDelivery
    RULE_TARGET = 32,       // bPointer: the window under the pointer, not the one in front
    RULE_GLIDE = 64,
    RULE_STILL = 128,       // keep the pointer still while dragging
};

// How a rule delivers: Automatic's table, the "Mouse wheel" type, or one
// of Automatic's ways for every window.
enum { DELIVERY_AUTO, DELIVERY_LINES, DELIVERY_WHEEL, DELIVERY_NOTCHED, DELIVERY_PRECISE,
       DELIVERY_REAL };

#define RULE_SPEED_MIN 10
#define RULE_SPEED_MAX 1000

struct PROGRAMRULE {
    std::string program;    // the file name pattern, ".exe" optional
    std::string cls;        // a class pattern, "" any
    std::string title;      // a text of the title, "" any
    unsigned nSet;          // RULE_* bits of the options it sets
    int bOff, nSpeed, bReverse, bHorizontal, nDelivery, bPointer, bGlide, bStill;
};

enum { LINE_RULE, LINE_NOTE, LINE_BAD };    // a rule, a comment or blank, unreadable

struct RULELINE {
    std::string text;       // as it stands in the file, without its line end
    int nKind;
    PROGRAMRULE rule;       // LINE_RULE
    std::string why;        // LINE_BAD: the reason
};

struct RULESET {
    std::vector<RULELINE> lines;
};

// One line of text as the file holds it.
RULELINE ParseRuleLine(const std::string &text);
// The file's bytes (UTF-8, a mark skipped, any line ends) as lines.
RULESET ParseRules(const char *bytes, size_t n);
// The file's bytes: every line as it stands, CR LF after each.
std::string RulesFileBytes(const RULESET &rules);
// A rule as the program writes it (the dialog's rules).
std::string FormatRule(const PROGRAMRULE &rule);
// One key's value as the file writes it ("50%", "on", "lines", "off" for
// hands off), "" when the rule leaves that option as set globally.
std::string RuleValueText(const PROGRAMRULE &rule, unsigned bit);
// The first unreadable line: "Line 3: unknown key \"sped\"", or "" when none.
std::string FirstBadLine(const RULESET &rules);

// A window as the rules see it: its program's file name, its top-level
// window's class, the class of the window under the pointer, and the
// titles of its top-level window and of that window's owner.
struct RULEWINDOW {
    const char *szProgram, *szRootClass, *szPointerClass, *szTitle, *szOwnerTitle;
};
// Every matching rule, merged in file order.
PROGRAMRULE MatchRules(const RULESET &rules, const RULEWINDOW &w);
// Whether a program pattern names the program ("Notepad" names
// "notepad.exe"; '*' and '?' wildcards, any letter case).
int ProgramMatches(const char *szPattern, const char *szProgram);
