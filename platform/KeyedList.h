#pragma once
// An ordered collection with text keys and 1-based positions: the container
// that the deck, the hands and the piles keep their cards in. Order is the
// insertion order (or the place given by insertBefore) and it matters to the
// game: a hand's order is what the players and the rule engines see.

#include <cstddef>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

class KeyedListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

template <typename T>
class KeyedList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }

    // Appends under key; a key already present is refused.
    void Add(T item, const std::string& key) { insertAt(items_.size(), std::move(item), key); }

    // Inserts just before the item at 1-based position `before`.
    void AddBefore(T item, const std::string& key, int before) {
        insertAt(indexOf(before), std::move(item), key);
    }

    bool Contains(const std::string& key) const { return find(key) != npos; }

    // 1-based position of key, 0 when absent.
    int PositionOf(const std::string& key) const {
        const std::size_t i = find(key);
        return i == npos ? 0 : static_cast<int>(i) + 1;
    }

    T& Item(int pos) { return items_[indexOf(pos)].second; }
    const T& Item(int pos) const { return items_[indexOf(pos)].second; }
    T& Item(const std::string& key) { return items_[indexOfKey(key)].second; }
    const T& Item(const std::string& key) const { return items_[indexOfKey(key)].second; }
    const std::string& KeyAt(int pos) const { return items_[indexOf(pos)].first; }

    void Remove(int pos) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(indexOf(pos))); }
    void Remove(const std::string& key) {
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(indexOfKey(key)));
    }
    void Clear() { items_.clear(); }

    // Iteration in order over the items (not the keys).
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = const T*;
        using reference = const T&;
        using inner = typename std::vector<std::pair<std::string, T>>::const_iterator;
        explicit const_iterator(inner it) : it_(it) {}
        const T& operator*() const { return it_->second; }
        const_iterator& operator++() { ++it_; return *this; }
        bool operator!=(const const_iterator& o) const { return it_ != o.it_; }
        bool operator==(const const_iterator& o) const { return it_ == o.it_; }
    private:
        inner it_;
    };
    const_iterator begin() const { return const_iterator(items_.begin()); }
    const_iterator end() const { return const_iterator(items_.end()); }

private:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    std::size_t find(const std::string& key) const {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i].first == key) return i;
        return npos;
    }
    std::size_t indexOf(int pos) const {
        if (pos < 1 || pos > Count())
            throw KeyedListError("Invalid procedure call or argument: position " + std::to_string(pos));
        return static_cast<std::size_t>(pos - 1);
    }
    std::size_t indexOfKey(const std::string& key) const {
        const std::size_t i = find(key);
        if (i == npos) throw KeyedListError("Invalid procedure call or argument: key '" + key + "'");
        return i;
    }
    void insertAt(std::size_t index, T item, const std::string& key) {
        if (find(key) != npos)
            throw KeyedListError("This key is already associated with an element of this collection: '" + key + "'");
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), {key, std::move(item)});
    }

    std::vector<std::pair<std::string, T>> items_;
};
