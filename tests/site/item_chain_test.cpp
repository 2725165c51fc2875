#include "site/item_chain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <list>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/case_map.h"

namespace check_html {
namespace {

// The chain as a linked list walked from the front, exactly as the insertion rule reads;
// each entry is (cut key, name). Strings compare byte-wise unsigned, a prefix being the lesser.
void ReferenceInsert(std::list<std::pair<std::string, std::string>>& chain, const std::string& name) {
  const std::string whole = UpperCase(name);
  auto p = chain.begin();
  while (p != chain.end() && p->first < whole) ++p;
  chain.insert(p, {whole.substr(0, 20), name});
}

Item Named(const std::string& name) {
  Item item;
  item.Name = name;
  return item;
}

// Each item as "name|key", in chain order.
std::vector<std::string> Entries(const ItemChain& chain) {
  std::vector<std::string> entries;
  for (const Item& item : chain) entries.push_back(item.Name + "|" + item.Key);
  return entries;
}

// Item by item and all at once, the chain keeps the order of the linked list. Few letters and
// lengths around 20 make equal keys (the last inserted comes first), shared prefixes and cut keys
// (a longer name goes after all items of its cut key) common; "\xE4" keys as "\xC4".
TEST(ItemChain, KeepsTheOrderOfTheLinkedChainForRandomNames) {
  const std::string letters = "aAbB\xE4\xC4?!";
  std::mt19937 random(11);
  auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(random); };
  for (int round = 0; round < 20; ++round) {
    ItemChain chain;
    std::vector<Item> batch;
    std::list<std::pair<std::string, std::string>> reference;
    for (int n = 0; n < 300; ++n) {
      std::string name(pick(24), 'a');
      for (std::size_t i = name.size() - std::min(name.size(), pick(3)); i < name.size(); ++i) {
        name[i] = letters[pick(letters.size() - 1)];
      }
      name += "#" + std::to_string(n);  // tells equal names apart; '#' sorts below letters
      if (n % 3 == 0 && name.size() > 20) name.resize(20);
      chain.InsertItem(Named(name));
      batch.push_back(Named(name));
      ReferenceInsert(reference, name);
    }
    ItemChain sorted;
    sorted.InsertItems(std::move(batch));
    std::vector<std::string> expected;
    for (const auto& [key, name] : reference) expected.push_back(name + "|" + key);
    ASSERT_EQ(Entries(chain), expected) << "round " << round;
    ASSERT_EQ(Entries(sorted), expected) << "round " << round;
  }
}

}  // namespace
}  // namespace check_html
