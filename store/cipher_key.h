#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "store/field_value.h"
#include "store/kdf_params.h"

namespace ledgerleaf {

// A fingerprint of a stored value, kept in memory so that writing an unchanged value is
// recognised without reading the stored bytes.
using ValueDigest = std::array<std::uint8_t, 32>;

// The unkeyed fingerprint used by unprotected tables.
ValueDigest plainDigest(const std::uint8_t* data, std::size_t size);

// The key of a protected table, derived from the password with Argon2id. It lives in guarded
// memory (sodium_malloc) and is wiped when the object goes away.
//
// Every value is sealed with XChaCha20-Poly1305 under a fresh random nonce; the record number
// and the field position are bound in as associated data, so a sealed value moved to another
// record or field no longer opens.
class CipherKey {
  public:
    static constexpr std::size_t kSaltSize = 16;

    // Nothing when the derivation fails (for example for lack of memory).
    static std::unique_ptr<CipherKey> derive(const std::string& password, const Bytes& salt,
                                             const KdfParams& params);
    static Bytes randomBytes(std::size_t size);
    // Whether libsodium accepts these parameters for Argon2id.
    static bool paramsAcceptable(const KdfParams& params);
    // Overwrites the bytes with zeros in a way the compiler cannot leave out.
    static void wipe(Bytes& bytes);

    ~CipherKey();
    CipherKey(const CipherKey&) = delete;
    CipherKey& operator=(const CipherKey&) = delete;

    Bytes seal(const std::uint8_t* data, std::size_t size, std::int64_t number, int field) const;
    Bytes seal(const Bytes& plain, std::int64_t number, int field) const {
        return seal(plain.data(), plain.size(), number, field);
    }
    // Nothing when the value was not sealed by this key for this record and field, or was
    // altered.
    std::optional<Bytes> open(const Bytes& sealed, std::int64_t number, int field) const;
    // The same into `plain`, whose memory is reused; false (and `plain` emptied) on failure.
    bool open(const std::uint8_t* sealed, std::size_t size, std::int64_t number, int field,
              Bytes& plain) const;

    // A keyed fingerprint (so equal texts on two days do not show as equal on disk).
    ValueDigest digest(const std::uint8_t* data, std::size_t size, std::int64_t number,
                       int field) const;

  private:
    CipherKey();
    std::uint8_t* memory_ = nullptr;  // the cipher key, then the fingerprint key
};

}  // namespace ledgerleaf
