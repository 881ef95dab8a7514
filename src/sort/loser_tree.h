// LoserTree picks the smallest of k players and, once the winner's key has
// changed, finds the next winner with one comparison per tree level (about
// log2 k), half of what a binary heap spends. It keeps only player numbers;
// the caller owns the keys.
//
// Precondition: `less(a, b)` is a strict total order over the players at
// every moment (break ties by player number for a stable merge), and the
// only key that changes between two calls of ReplayWinner is the winner's.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace docbase {

template <typename Less>
class LoserTree {
 public:
  // Players are numbered 0 .. players-1; players >= 1.
  LoserTree(size_t players, Less less)
      : players_(players), less_(std::move(less)), nodes_(players) {
    nodes_[0] = players_ == 1 ? 0 : Build(1);
  }

  size_t winner() const { return nodes_[0]; }

  // Plays the winner's new key up from its leaf against the losers kept on
  // the way.
  void ReplayWinner() {
    size_t candidate = nodes_[0];
    for (size_t node = (players_ + candidate) / 2; node > 0; node /= 2) {
      if (less_(nodes_[node], candidate)) std::swap(nodes_[node], candidate);
    }
    nodes_[0] = candidate;
  }

 private:
  // Nodes 1 .. players-1 are the inner nodes of a complete binary tree whose
  // leaves players .. 2*players-1 stand for the players; each inner node
  // keeps the loser of its match. Returns the winner of the subtree.
  size_t Build(size_t node) {
    if (node >= players_) return node - players_;
    size_t left = Build(2 * node);
    size_t right = Build(2 * node + 1);
    if (less_(right, left)) std::swap(left, right);
    nodes_[node] = right;
    return left;
  }

  size_t players_;
  Less less_;
  std::vector<size_t> nodes_;  // [0] the winner, [1..] the losers
};

}  // namespace docbase
