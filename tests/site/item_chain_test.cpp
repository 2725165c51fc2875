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

// Byte-wise, unsigned, a prefix being the lesser.
bool KeyLess(const std::string& a, const std::string& b) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

// The chain as a linked list walked from the front, exactly as the insertion rule reads;
// each entry is (cut key, name).
void ReferenceInsert(std::list<std::pair<std::string, std::string>>& chain, const std::string& name) {
  const std::string whole = UpperCase(name);
  auto p = chain.begin();
  while (p != chain.end() && KeyLess(p->first, whole)) ++p;
  chain.insert(p, {whole.substr(0, 20), name});
}

Item Named(const std::string& name, const std::string& text = "") {
  Item item;
  item.Name = name;
  item.Text = text;
  return item;
}

TEST(ItemChain, KeepsTheOrderOfTheLinkedChainForRandomNames) {
  // Few letters and lengths around 20, so equal keys, shared prefixes and cut keys are common.
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
    std::vector<std::string> names;
    std::vector<std::string> sorted_names;
    for (const Item& item : chain) names.push_back(item.Name);
    for (const Item& item : sorted) sorted_names.push_back(item.Name + "|" + item.Key);
    std::vector<std::string> expected;
    std::vector<std::string> expected_with_keys;
    for (const auto& entry : reference) {
      expected.push_back(entry.second);
      expected_with_keys.push_back(entry.second + "|" + entry.first);
    }
    ASSERT_EQ(names, expected) << "round " << round;
    ASSERT_EQ(sorted_names, expected_with_keys) << "round " << round;
  }
}

TEST(ItemChain, PutsTheLastOfEqualKeysFirstButLongNamesAfterAllOfTheirCutKey) {
  const std::string twenty = "abcdefghijklmnopqrst";
  ItemChain chain;
  for (const Item& item : {Named("b", "b1"), Named(twenty, "t1"), Named(twenty + "uv", "long1"),
                           Named("B", "b2"), Named(twenty, "t2"), Named(twenty + "uv", "long2"),
                           Named("\xE4rger", "ae")}) {
    chain.InsertItem(item);
  }
  std::vector<std::string> texts;
  std::vector<std::string> keys;
  for (const Item& item : chain) {
    texts.push_back(item.Text);
    keys.push_back(item.Key);
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"t2", "t1", "long1", "long2", "b2", "b1", "ae"}));
  const std::string cut = UpperCase(twenty);
  EXPECT_EQ(keys, (std::vector<std::string>{cut, cut, cut, cut, "B", "B", "\xC4RGER"}));
}

}  // namespace
}  // namespace check_html
