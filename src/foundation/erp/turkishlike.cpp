#include "foundation/erp/turkishlike.h"

#include "foundation/base/turkishtext.h"

#include <sqlite3.h>

#include <memory>
#include <optional>
#include <vector>

namespace tarvel {

namespace {

// One step of a folded pattern.
struct Token {
    enum Kind { Literal, AnyOne, AnyRun, Set };
    Kind kind = Literal;
    QChar literal{};
    bool negated = false;
    std::vector<std::pair<QChar, QChar>> ranges{}; // for Set: inclusive ranges

    static Token of(Kind kind, QChar literal = {})
    {
        Token token;
        token.kind = kind;
        token.literal = literal;
        return token;
    }
};

std::vector<Token> tokenize(const QString &pattern, QChar escape)
{
    std::vector<Token> tokens;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (!escape.isNull() && c == escape && i + 1 < pattern.size()) {
            tokens.push_back(Token::of(Token::Literal, pattern.at(++i)));
        } else if (c == u'%') {
            if (tokens.empty() || tokens.back().kind != Token::AnyRun)
                tokens.push_back(Token::of(Token::AnyRun));
        } else if (c == u'_') {
            tokens.push_back(Token::of(Token::AnyOne));
        } else if (c == u'[' && pattern.indexOf(u']', i + 2) > 0) {
            const qsizetype end = pattern.indexOf(u']', i + 2);
            Token set = Token::of(Token::Set);
            qsizetype k = i + 1;
            if (pattern.at(k) == u'^') {
                set.negated = true;
                ++k;
            }
            for (; k < end; ++k) {
                const QChar from = pattern.at(k);
                if (k + 2 < end && pattern.at(k + 1) == u'-') {
                    set.ranges.emplace_back(from, pattern.at(k + 2));
                    k += 2;
                } else {
                    set.ranges.emplace_back(from, from);
                }
            }
            tokens.push_back(std::move(set));
            i = end;
        } else {
            tokens.push_back(Token::of(Token::Literal, c));
        }
    }
    return tokens;
}

bool matchesOne(const Token &token, QChar c)
{
    switch (token.kind) {
    case Token::Literal:
        return token.literal == c;
    case Token::AnyOne:
        return true;
    case Token::Set: {
        bool inside = false;
        for (const auto &[from, to] : token.ranges)
            inside = inside || (c >= from && c <= to);
        return inside != token.negated;
    }
    case Token::AnyRun:
        break;
    }
    return false;
}

// Wildcard matching that goes back only to the last % seen: time is bounded
// by pattern length times value length, whatever a typed pattern holds.
bool matches(const std::vector<Token> &tokens, const QString &value)
{
    size_t t = 0;
    qsizetype v = 0;
    std::optional<size_t> starToken;
    qsizetype starValue = 0;
    while (v < value.size()) {
        if (t < tokens.size() && tokens[t].kind == Token::AnyRun) {
            starToken = t++;
            starValue = v;
        } else if (t < tokens.size() && matchesOne(tokens[t], value.at(v))) {
            ++t;
            ++v;
        } else if (starToken) {
            t = *starToken + 1;
            v = ++starValue;
        } else {
            return false;
        }
    }
    while (t < tokens.size() && tokens[t].kind == Token::AnyRun)
        ++t;
    return t == tokens.size();
}

QString argumentText(sqlite3_value *value)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
    return QString::fromUtf8(text, sqlite3_value_bytes(value));
}

struct CompiledPattern {
    QString source;
    QChar escape;
    std::vector<Token> tokens;
};

void likeFunction(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(context);
            return;
        }
    }
    QChar escape;
    if (argc == 3) {
        const QString text = argumentText(argv[2]);
        if (text.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = turkishFold(text).at(0);
    }
    // The pattern is the same for every row of a statement: compiled once.
    auto *compiled = static_cast<CompiledPattern *>(sqlite3_get_auxdata(context, 0));
    const QString pattern = argumentText(argv[0]);
    if (!compiled || compiled->source != pattern || compiled->escape != escape) {
        auto fresh = std::make_unique<CompiledPattern>(
            CompiledPattern{pattern, escape, tokenize(turkishFold(pattern), escape)});
        compiled = fresh.get();
        sqlite3_set_auxdata(context, 0, fresh.release(),
                            [](void *p) { delete static_cast<CompiledPattern *>(p); });
        // SQLite may drop the aux data at once; then this call uses its own copy.
        if (sqlite3_get_auxdata(context, 0) != compiled) {
            const std::vector<Token> tokens = tokenize(turkishFold(pattern), escape);
            sqlite3_result_int(context, matches(tokens, turkishFold(argumentText(argv[1]))) ? 1 : 0);
            return;
        }
    }
    sqlite3_result_int(context, matches(compiled->tokens, turkishFold(argumentText(argv[1]))) ? 1 : 0);
}

} // namespace

bool turkishLike(const QString &pattern, const QString &value, QChar escape)
{
    return matches(tokenize(turkishFold(pattern), escape.isNull() ? escape : turkishFold(escape).at(0)),
                   turkishFold(value));
}

bool registerTurkishLike(sqlite3 *db)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    return sqlite3_create_function_v2(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr,
                                      nullptr) == SQLITE_OK &&
           sqlite3_create_function_v2(db, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr,
                                      nullptr) == SQLITE_OK;
}

} // namespace tarvel
