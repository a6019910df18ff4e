// Tests of the hash chain on its own: a walk over stored links names the first one that a
// change, a removal, a new order or an addition broke.
#include "logstore/claimtrail.h"

#include <gtest/gtest.h>

namespace bw::claims {
namespace {

using Hashes = std::array<std::map<qint64, QByteArray>, kLinkKinds>;

struct Chain {
    Hashes hashes;
    std::vector<StoredLink> links;

    std::map<qint64, QByteArray>& rows(LinkKind kind)
    {
        return hashes[static_cast<std::size_t>(kind)];
    }

    // A row of `kind` and its link, as the program appends them.
    void append(LinkKind kind, qint64 ref)
    {
        const QByteArray content = QByteArray::number(ref * 7 + static_cast<int>(kind));
        rows(kind)[ref] = content;
        const QString previous = links.empty() ? QString() : links.back().hash;
        const QString name = kindName(kind);
        links.push_back(
            {name, ref, QString::fromLatin1(content), previous,
             QString::fromLatin1(linkHash(name, ref, QString::fromLatin1(content), previous))});
    }
};

TEST(ClaimChain, AWalkNamesTheFirstBrokenLink)
{
    Chain whole;
    whole.append(LinkKind::Claim, 1);
    whole.append(LinkKind::File, 1);
    whole.append(LinkKind::Trail, 1);
    whole.append(LinkKind::Trail, 2);
    using What = ChainBreak::What;
    struct Case {
        const char* name;
        void (*damage)(Chain&);
        std::optional<ChainBreak> broken;
    };
    const Case cases[] = {
        {"intact", [](Chain&) {}, std::nullopt},
        {"a row changed", [](Chain& c) { c.rows(LinkKind::Trail)[1] = "changed"; },
         ChainBreak{What::Link, 3, LinkKind::Trail, 1}},
        {"a link's content rewritten to match the row",
         [](Chain& c) {
             c.rows(LinkKind::Trail)[1] = "changed";
             c.links[2].content = QStringLiteral("changed");
         },
         ChainBreak{What::Link, 3, LinkKind::Trail, 1}},
        {"a link removed from the middle", [](Chain& c) { c.links.erase(c.links.begin() + 2); },
         ChainBreak{What::Link, 3, LinkKind::Trail, 2}},
        {"the last link removed", [](Chain& c) { c.links.pop_back(); },
         ChainBreak{What::Uncovered, 0, LinkKind::Trail, 2}},
        {"two links reordered", [](Chain& c) { std::swap(c.links[0], c.links[1]); },
         ChainBreak{What::Link, 1, LinkKind::File, 1}},
        {"a link added without its row",
         [](Chain& c) {
             c.append(LinkKind::Trail, 3);
             c.rows(LinkKind::Trail).erase(3);
         },
         ChainBreak{What::Link, 5, LinkKind::Trail, 3}},
        {"a row added without its link", [](Chain& c) { c.rows(LinkKind::Trail)[4] = "added"; },
         ChainBreak{What::Uncovered, 0, LinkKind::Trail, 4}},
        {"a link of no known kind", [](Chain& c) { c.links[1].kind = QStringLiteral("stamp"); },
         ChainBreak{What::UnknownLink, 2, LinkKind::Claim, 0}},
    };
    for (const Case& c : cases) {
        Chain chain = whole;
        c.damage(chain);
        const ChainWalk walk = walkChain(chain.links, chain.hashes, whole.links[1].hash);
        EXPECT_EQ(walk.broken, c.broken) << c.name;
        EXPECT_EQ(walk.entries, static_cast<qint64>(chain.links.size())) << c.name;
        EXPECT_EQ(walk.head, chain.links.back().hash) << c.name;
    }
    EXPECT_TRUE(walkChain(whole.links, whole.hashes, whole.links[1].hash.toUpper()).holdsHead);
    EXPECT_FALSE(walkChain(whole.links, whole.hashes, QStringLiteral("ab")).holdsHead);
}

} // namespace
} // namespace bw::claims
