// Reading, writing and matching programs.txt, as text.
#include "scroll/program_rules.h"
#include "scroll/receiver.h"
#include "scroll/text_match.h"
#include <stdlib.h>
#include <string.h>

static char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c;
}

// The name without a last ".exe", any letter case.
static std::string WithoutExe(const char *sz)
{
    std::string s = sz;
    size_t n = s.size();
    if (n >= 4 && Lower(s[n - 4]) == '.' && Lower(s[n - 3]) == 'e' && Lower(s[n - 2]) == 'x' &&
        Lower(s[n - 1]) == 'e')
        s.resize(n - 4);
    return s;
}

int ProgramMatches(const char *szPattern, const char *szProgram)
{
    return WildcardMatch(WithoutExe(szPattern).c_str(), WithoutExe(szProgram).c_str(), 1);
}

// The words of a line: blanks between them, double quotes around a word or
// a value that holds blanks. FALSE at an unclosed quote.
static bool Words(const std::string &text, std::vector<std::string> *words)
{
    size_t i = 0, n = text.size();
    while (i < n) {
        while (i < n && (text[i] == ' ' || text[i] == '\t'))
            i++;
        if (i >= n)
            break;
        std::string word;
        while (i < n && text[i] != ' ' && text[i] != '\t') {
            if (text[i] == '"') {
                size_t close = text.find('"', i + 1);
                if (close == std::string::npos)
                    return false;
                word.append(text, i + 1, close - i - 1);
                i = close + 1;
            } else {
                word += text[i++];
            }
        }
        words->push_back(word);
    }
    return true;
}

static bool OnOff(const std::string &v, int *p)
{
    if (v == "on" || v == "off") {
        *p = v == "on";
        return true;
    }
    return false;
}

static const char *const aszDelivery[] = {"auto", "lines", "wheel", "notched", "precise", "real"};

// One "key=value" (or "off") into the rule; the reason when it cannot be.
static std::string TakeKey(const std::string &word, PROGRAMRULE *r)
{
    if (word == "off") {
        r->bOff = 1;
        r->nSet |= RULE_OFF;
        return "";
    }
    size_t eq = word.find('=');
    std::string key = word.substr(0, eq), value = eq == std::string::npos ? "" : word.substr(eq + 1);
    if (eq == std::string::npos)
        return "\"" + word + "\" is no key=value";
    if (key == "class") {
        r->cls = value;
        return "";
    }
    if (key == "title") {
        r->title = value;
        return "";
    }
    if (key == "speed") {
        std::string digits = !value.empty() && value.back() == '%' ? value.substr(0, value.size() - 1)
                                                                    : value;
        char *end = NULL;
        long n = digits.empty() ? -1 : strtol(digits.c_str(), &end, 10);
        if (!end || *end || n < RULE_SPEED_MIN || n > RULE_SPEED_MAX)
            return "speed must be 10% to 1000%";
        r->nSpeed = (int)n;
        r->nSet |= RULE_SPEED;
        return "";
    }
    if (key == "delivery") {
        for (int i = 0; i < 6; i++)
            if (value == aszDelivery[i]) {
                r->nDelivery = i;
                r->nSet |= RULE_DELIVERY;
                return "";
            }
        return "delivery must be auto, lines, wheel, notched, precise or real";
    }
    if (key == "target") {
        if (value != "front" && value != "pointer")
            return "target must be front or pointer";
        r->bPointer = value == "pointer";
        r->nSet |= RULE_TARGET;
        return "";
    }
    struct { const char *name; unsigned bit; int *field; } onoff[] = {
        {"reverse", RULE_REVERSE, &r->bReverse}, {"horizontal", RULE_HORIZONTAL, &r->bHorizontal},
        {"glide", RULE_GLIDE, &r->bGlide}, {"still", RULE_STILL, &r->bStill},
    };
    for (auto &k : onoff)
        if (key == k.name) {
            if (!OnOff(value, k.field))
                return key + " must be on or off";
            r->nSet |= k.bit;
            return "";
        }
    return "unknown key \"" + key + "\"";
}

RULELINE ParseRuleLine(const std::string &text)
{
    RULELINE line;
    line.text = text;
    line.nKind = LINE_NOTE;
    line.rule = PROGRAMRULE{};
    std::vector<std::string> words;
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos || text[first] == ';' || text[first] == '#')
        return line;
    line.nKind = LINE_BAD;
    if (!Words(text, &words)) {
        line.why = "a quote is not closed";
        return line;
    }
    PROGRAMRULE &r = line.rule;
    r.program = words[0];
    if (!r.program.empty() && r.program[0] == '-' && text[first] != '"') {
        r.program.erase(0, 1);          // "-name": that program, hands off
        r.bOff = 1;
        r.nSet |= RULE_OFF;
    }
    if (r.program.empty()) {
        line.why = "no program named";
        return line;
    }
    for (size_t i = 1; i < words.size(); i++) {
        std::string why = TakeKey(words[i], &r);
        if (!why.empty()) {
            line.why = why;
            return line;
        }
    }
    line.nKind = LINE_RULE;
    return line;
}

RULESET ParseRules(const char *bytes, size_t n)
{
    RULESET rules;
    size_t i = n >= 3 && memcmp(bytes, "\xEF\xBB\xBF", 3) == 0 ? 3 : 0;
    while (i < n) {
        size_t end = i;
        while (end < n && bytes[end] != '\r' && bytes[end] != '\n')
            end++;
        rules.lines.push_back(ParseRuleLine(std::string(bytes + i, end - i)));
        // CR LF, LF or a lone CR end a line.
        i = end < n && bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n' ? end + 2 : end + 1;
    }
    return rules;
}

std::string RulesFileBytes(const RULESET &rules)
{
    std::string out;
    for (const RULELINE &l : rules.lines)
        out += l.text + "\r\n";
    return out;
}

static std::string Quoted(const std::string &s)
{
    return s.find_first_of(" \t") == std::string::npos && !s.empty() ? s : "\"" + s + "\"";
}

// The keys in the order they are written, with their names in the file.
static const struct { unsigned bit; const char *name; } aKeys[] = {
    {RULE_OFF, "off"}, {RULE_SPEED, "speed"}, {RULE_REVERSE, "reverse"},
    {RULE_HORIZONTAL, "horizontal"}, {RULE_DELIVERY, "delivery"}, {RULE_TARGET, "target"},
    {RULE_GLIDE, "glide"}, {RULE_STILL, "still"},
};

std::string RuleValueText(const PROGRAMRULE &r, unsigned bit)
{
    if (!(r.nSet & bit))
        return "";
    auto OnOffWord = [](int b) { return std::string(b ? "on" : "off"); };
    switch (bit) {
    case RULE_OFF: return "off";
    case RULE_SPEED: return std::to_string(r.nSpeed) + "%";
    case RULE_REVERSE: return OnOffWord(r.bReverse);
    case RULE_HORIZONTAL: return OnOffWord(r.bHorizontal);
    case RULE_DELIVERY: return r.nDelivery >= 0 && r.nDelivery < 6 ? aszDelivery[r.nDelivery] : "";
    case RULE_TARGET: return r.bPointer ? "pointer" : "front";
    case RULE_GLIDE: return OnOffWord(r.bGlide);
    case RULE_STILL: return OnOffWord(r.bStill);
    default: return "";
    }
}

std::string FormatRule(const PROGRAMRULE &r)
{
    std::string s = Quoted(r.program);
    if (!r.cls.empty())
        s += " class=" + Quoted(r.cls);
    if (!r.title.empty())
        s += " title=" + Quoted(r.title);
    for (const auto &k : aKeys) {
        std::string value = RuleValueText(r, k.bit);
        if (value.empty())
            continue;
        s += k.bit == RULE_OFF ? " off" : " " + std::string(k.name) + "=" + value;
    }
    return s;
}

std::string FirstBadLine(const RULESET &rules)
{
    for (size_t i = 0; i < rules.lines.size(); i++)
        if (rules.lines[i].nKind == LINE_BAD)
            return "Line " + std::to_string(i + 1) + ": " + rules.lines[i].why;
    return "";
}

static int RuleApplies(const PROGRAMRULE &r, const RULEWINDOW &w)
{
    if (!ProgramMatches(r.program.c_str(), w.szProgram ? w.szProgram : ""))
        return 0;
    if (!r.cls.empty() && !ClassMatches(r.cls.c_str(), w.szRootClass ? w.szRootClass : "") &&
        !ClassMatches(r.cls.c_str(), w.szPointerClass ? w.szPointerClass : ""))
        return 0;
    if (!r.title.empty() && !ContainsText(w.szTitle ? w.szTitle : "", r.title.c_str()) &&
        !ContainsText(w.szOwnerTitle ? w.szOwnerTitle : "", r.title.c_str()))
        return 0;
    return 1;
}

PROGRAMRULE MatchRules(const RULESET &rules, const RULEWINDOW &w)
{
    PROGRAMRULE m = PROGRAMRULE{};
    for (const RULELINE &l : rules.lines) {
        if (l.nKind != LINE_RULE || !RuleApplies(l.rule, w))
            continue;
        const PROGRAMRULE &r = l.rule;
        if (r.nSet & RULE_OFF) m.bOff = r.bOff;
        if (r.nSet & RULE_SPEED) m.nSpeed = r.nSpeed;
        if (r.nSet & RULE_REVERSE) m.bReverse = r.bReverse;
        if (r.nSet & RULE_HORIZONTAL) m.bHorizontal = r.bHorizontal;
        if (r.nSet & RULE_DELIVERY) m.nDelivery = r.nDelivery;
        if (r.nSet & RULE_TARGET) m.bPointer = r.bPointer;
        if (r.nSet & RULE_GLIDE) m.bGlide = r.bGlide;
        if (r.nSet & RULE_STILL) m.bStill = r.bStill;
        m.nSet |= r.nSet;
    }
    return m;
}
