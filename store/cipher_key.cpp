#include "store/cipher_key.h"

#include <sodium.h>

#include <cstring>
#include <new>

namespace ledgerleaf {

namespace {

constexpr std::size_t kKeySize = crypto_aead_xchacha20poly1305_ietf_KEYBYTES;
constexpr std::size_t kNonceSize = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
constexpr std::size_t kTagSize = crypto_aead_xchacha20poly1305_ietf_ABYTES;
static_assert(kKeySize == 32);

using Associated = std::array<std::uint8_t, 16>;

// "LLv1", the record number and the field position, little-endian.
Associated associatedData(std::int64_t number, int field) {
    Associated ad{'L', 'L', 'v', '1'};
    for (int i = 0; i < 8; ++i)
        ad[4 + i] = static_cast<std::uint8_t>(number >> (8 * i));
    for (int i = 0; i < 4; ++i)
        ad[12 + i] = static_cast<std::uint8_t>(field >> (8 * i));
    return ad;
}

bool sodiumReady() {
    return sodium_init() >= 0;
}

}  // namespace

ValueDigest plainDigest(const std::uint8_t* data, std::size_t size) {
    ValueDigest out{};
    crypto_generichash(out.data(), out.size(), data, size, nullptr, 0);
    return out;
}

CipherKey::CipherKey() {
    memory_ = static_cast<std::uint8_t*>(sodium_malloc(2 * kKeySize));
    if (!memory_)
        throw std::bad_alloc();
}

CipherKey::~CipherKey() {
    // sodium_free wipes the memory before releasing it.
    sodium_free(memory_);
}

bool CipherKey::paramsAcceptable(const KdfParams& params) {
    return params.opsLimit >= crypto_pwhash_argon2id_OPSLIMIT_MIN &&
           params.opsLimit <= crypto_pwhash_argon2id_OPSLIMIT_MAX &&
           params.memLimit >= crypto_pwhash_argon2id_MEMLIMIT_MIN &&
           params.memLimit <= crypto_pwhash_argon2id_MEMLIMIT_MAX;
}

std::unique_ptr<CipherKey> CipherKey::derive(const std::string& password, const Bytes& salt,
                                             const KdfParams& params) {
    if (!sodiumReady() || salt.size() != crypto_pwhash_SALTBYTES || !paramsAcceptable(params))
        return nullptr;
    std::unique_ptr<CipherKey> key(new CipherKey());
    if (crypto_pwhash(key->memory_, kKeySize, password.data(), password.size(), salt.data(),
                      params.opsLimit, params.memLimit, crypto_pwhash_ALG_ARGON2ID13) != 0)
        return nullptr;
    static const char kContext[] = "ledgerleaf value fingerprint";
    crypto_generichash(key->memory_ + kKeySize, kKeySize,
                       reinterpret_cast<const unsigned char*>(kContext), sizeof kContext - 1,
                       key->memory_, kKeySize);
    return key;
}

Bytes CipherKey::randomBytes(std::size_t size) {
    sodiumReady();
    Bytes out(size);
    randombytes_buf(out.data(), size);
    return out;
}

Bytes CipherKey::seal(const std::uint8_t* data, std::size_t size, std::int64_t number,
                      int field) const {
    const Associated ad = associatedData(number, field);
    Bytes out(kNonceSize + size + kTagSize);
    randombytes_buf(out.data(), kNonceSize);
    unsigned long long written = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(out.data() + kNonceSize, &written, data, size,
                                               ad.data(), ad.size(), nullptr, out.data(), memory_);
    out.resize(kNonceSize + written);
    return out;
}

std::optional<Bytes> CipherKey::open(const Bytes& sealed, std::int64_t number, int field) const {
    Bytes out;
    if (!open(sealed.data(), sealed.size(), number, field, out))
        return std::nullopt;
    return out;
}

bool CipherKey::open(const std::uint8_t* sealed, std::size_t size, std::int64_t number, int field,
                     Bytes& plain) const {
    plain.clear();
    if (size < kNonceSize + kTagSize)
        return false;
    const Associated ad = associatedData(number, field);
    plain.resize(size - kNonceSize - kTagSize);
    unsigned long long written = 0;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(plain.data(), &written, nullptr,
                                                   sealed + kNonceSize, size - kNonceSize,
                                                   ad.data(), ad.size(), sealed, memory_) != 0) {
        plain.clear();
        return false;
    }
    plain.resize(written);
    return true;
}

void CipherKey::wipe(Bytes& bytes) {
    if (!bytes.empty())
        sodium_memzero(bytes.data(), bytes.size());
}

ValueDigest CipherKey::digest(const std::uint8_t* data, std::size_t size, std::int64_t number,
                              int field) const {
    const Associated ad = associatedData(number, field);
    crypto_generichash_state state;
    crypto_generichash_init(&state, memory_ + kKeySize, kKeySize, 32);
    crypto_generichash_update(&state, ad.data(), ad.size());
    crypto_generichash_update(&state, data, size);
    ValueDigest out{};
    crypto_generichash_final(&state, out.data(), out.size());
    sodium_memzero(&state, sizeof state);
    return out;
}

}  // namespace ledgerleaf
