#pragma once

// Keeps what `cache` holds for as long as the scope lives. Scopes may nest: the cache is emptied
// when the outermost one closes. `Cache` (or a base of it) counts its open scopes in
// `open_scopes_` and keeps what it holds in `entries_`, and names this class its friend.
template <typename Cache>
class CacheScope {
 public:
  explicit CacheScope(Cache& cache) : cache_(cache) { ++cache_.open_scopes_; }
  ~CacheScope() {
    if (--cache_.open_scopes_ == 0) cache_.entries_.clear();
  }
  CacheScope(const CacheScope&) = delete;
  CacheScope& operator=(const CacheScope&) = delete;

 private:
  Cache& cache_;
};
