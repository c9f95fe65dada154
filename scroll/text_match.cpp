// Case-insensitive substring test. Only ASCII letters fold; every other byte
// compares as it is, so code-page characters in titles match themselves only.
#include "scroll/text_match.h"
#include <stdlib.h>
#include <string.h>

static unsigned char FoldAscii(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? (unsigned char)(c - 'a' + 'A') : c;
}

int ContainsText(const char *haystack, const char *needle)
{
    size_t nHay = strlen(haystack);
    size_t nNeedle = strlen(needle);
    if (nHay < nNeedle)
        return 0;
    for (size_t i = 0; i + nNeedle <= nHay; i++) {
        size_t k = 0;
        while (k < nNeedle &&
               FoldAscii((unsigned char)haystack[i + k]) == FoldAscii((unsigned char)needle[k]))
            k++;
        if (k == nNeedle)
            return 1;
    }
    return 0;
}

// Titles and lists can each be 100,000 characters long, and a search entry
// by entry costs up to title x list. All entries are therefore looked for in
// one pass over the title (Aho-Corasick): a trie of the folded entries with
// failure links, so the work grows with the lengths, not their product.
struct ACNODE {
    int nChild;      // first child, or -1
    int nSibling;    // next child of the same parent, or -1
    int nFail;       // longest proper suffix that is also a trie path
    unsigned char c; // the byte leading here from the parent
    bool bEnd;       // an entry ends here (or at a node on the failure chain)
};

static int ChildOf(const ACNODE *nodes, int node, unsigned char c)
{
    for (int k = nodes[node].nChild; k >= 0; k = nodes[k].nSibling)
        if (nodes[k].c == c)
            return k;
    return -1;
}

// Builds the trie of the entries in nodes (room for strlen(list) + 1).
static void BuildTrie(ACNODE *nodes, int *queue, const char *list, size_t nList)
{
    int nNodes = 1;
    nodes[0] = ACNODE{-1, -1, 0, 0, false};
    int node = 0;
    for (size_t i = 0; i < nList; i++) {
        if (list[i] == '\n') {
            nodes[node].bEnd = true;
            node = 0;
            continue;
        }
        unsigned char c = FoldAscii((unsigned char)list[i]);
        int next = ChildOf(nodes, node, c);
        if (next < 0) {
            next = nNodes++;
            nodes[next] = ACNODE{-1, nodes[node].nChild, 0, c, false};
            nodes[node].nChild = next;
        }
        node = next;
    }
    // Failure links breadth first; a node ends an entry when its failure
    // target does.
    int head = 0, tail = 0;
    for (int k = nodes[0].nChild; k >= 0; k = nodes[k].nSibling)
        queue[tail++] = k;
    while (head < tail) {
        int n = queue[head++];
        for (int k = nodes[n].nChild; k >= 0; k = nodes[k].nSibling) {
            int f = nodes[n].nFail, g;
            while ((g = ChildOf(nodes, f, nodes[k].c)) < 0 && f != 0)
                f = nodes[f].nFail;
            nodes[k].nFail = (g >= 0 && g != k) ? g : 0;
            nodes[k].bEnd = nodes[k].bEnd || nodes[nodes[k].nFail].bEnd;
            queue[tail++] = k;
        }
    }
}

int ListMatchesTitle(const char *list, const char *title)
{
    size_t nTitle = strlen(title);
    size_t nList = strlen(list);
    // Text after the last newline forms no entry.
    while (nList > 0 && list[nList - 1] != '\n')
        nList--;
    if (nTitle == 0 || nList == 0)
        return 0;
    ACNODE *nodes = (ACNODE *)malloc((nList + 1) * sizeof *nodes);
    int *queue = (int *)malloc((nList + 1) * sizeof *queue);
    int match = 0;
    if (nodes && queue) {
        BuildTrie(nodes, queue, list, nList);
        int node = 0;
        match = nodes[0].bEnd;   // an empty entry
        for (size_t i = 0; i < nTitle && !match; i++) {
            unsigned char c = FoldAscii((unsigned char)title[i]);
            int next;
            while ((next = ChildOf(nodes, node, c)) < 0 && node != 0)
                node = nodes[node].nFail;
            node = next >= 0 ? next : 0;
            match = nodes[node].bEnd;
        }
    }
    free(nodes);
    free(queue);
    return match;
}

static char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c;
}

int WildcardMatch(const char *pattern, const char *text, int bAnyCase)
{
    // Iterative, with one backtrack point: no allocation, linear enough for
    // class and program names.
    const char *p = pattern, *s = text, *pStar = NULL, *sStar = NULL;
    while (*s) {
        if (*p == '*') {
            pStar = p++;
            sStar = s;
        } else if (*p == '?' || *p == *s || (bAnyCase && LowerAscii(*p) == LowerAscii(*s))) {
            p++;
            s++;
        } else if (pStar) {
            p = pStar + 1;
            s = ++sStar;
        } else {
            return 0;
        }
    }
    while (*p == '*')
        p++;
    return *p == '\0';
}

int SameTextAnyCase(const char *a, const char *b)
{
    for (; *a && *b; a++, b++)
        if (LowerAscii(*a) != LowerAscii(*b))
            return 0;
    return *a == *b;
}
