#include "IEHashMapByName.h"

namespace IEHashDetail {

namespace {
// Each about twice the one before, so that rebuilding stays linear over all insertions.
const unsigned kBucketPrimes[] = {7u,         23u,        53u,        97u,         193u,        389u,
                                  769u,       1543u,      3079u,      6151u,       12289u,      24593u,
                                  49157u,     98317u,     196613u,    393241u,     786433u,     1572869u,
                                  3145739u,   6291469u,   12582917u,  25165843u,   50331653u,   100663319u,
                                  201326611u, 402653189u, 805306457u, 1610612741u, 3221225473u, 4294967291u};
}  // namespace

unsigned HashName(const CQelString& name) noexcept {
  unsigned h = 2166136261u;
  const unsigned short* p = name.c_str();
  for (int i = 0, n = name.GetLength(); i < n; ++i) {
    h = (h ^ (p[i] & 0xFFu)) * 16777619u;
    h = (h ^ (p[i] >> 8)) * 16777619u;
  }
  return h;
}

unsigned BucketCountFor(unsigned long long count) noexcept {
  for (unsigned prime : kBucketPrimes)
    if (prime >= count) return prime;
  return kBucketPrimes[sizeof(kBucketPrimes) / sizeof(kBucketPrimes[0]) - 1];
}

}  // namespace IEHashDetail
