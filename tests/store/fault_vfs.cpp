#include "fault_vfs.h"

#include <sqlite3.h>

#include <cstring>

namespace ledgerleaf::test {

namespace {

sqlite3_vfs* realVfs = nullptr;
sqlite3_vfs shimVfs;
bool counting = false;
int failAt = 0;
int seen = 0;
bool hasFired = false;

// True when this write or sync is the one to fail.
bool nextFails() {
    if (!counting)
        return false;
    ++seen;
    if (failAt > 0 && seen == failAt) {
        hasFired = true;
        return true;
    }
    return false;
}

struct ShimFile {
    sqlite3_file base;
    sqlite3_file* real;
};

sqlite3_file* real(sqlite3_file* f) {
    return reinterpret_cast<ShimFile*>(f)->real;
}

int shimClose(sqlite3_file* f) {
    const int rc = real(f)->pMethods ? real(f)->pMethods->xClose(real(f)) : SQLITE_OK;
    return rc;
}
int shimRead(sqlite3_file* f, void* buffer, int amount, sqlite3_int64 offset) {
    return real(f)->pMethods->xRead(real(f), buffer, amount, offset);
}
int shimWrite(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset) {
    if (nextFails())
        return SQLITE_IOERR_WRITE;
    return real(f)->pMethods->xWrite(real(f), buffer, amount, offset);
}
int shimTruncate(sqlite3_file* f, sqlite3_int64 size) {
    return real(f)->pMethods->xTruncate(real(f), size);
}
int shimSync(sqlite3_file* f, int flags) {
    if (nextFails())
        return SQLITE_IOERR_FSYNC;
    return real(f)->pMethods->xSync(real(f), flags);
}
int shimFileSize(sqlite3_file* f, sqlite3_int64* size) {
    return real(f)->pMethods->xFileSize(real(f), size);
}
int shimLock(sqlite3_file* f, int level) {
    return real(f)->pMethods->xLock(real(f), level);
}
int shimUnlock(sqlite3_file* f, int level) {
    return real(f)->pMethods->xUnlock(real(f), level);
}
int shimCheckReservedLock(sqlite3_file* f, int* out) {
    return real(f)->pMethods->xCheckReservedLock(real(f), out);
}
int shimFileControl(sqlite3_file* f, int op, void* arg) {
    return real(f)->pMethods->xFileControl(real(f), op, arg);
}
int shimSectorSize(sqlite3_file* f) {
    return real(f)->pMethods->xSectorSize(real(f));
}
int shimDeviceCharacteristics(sqlite3_file* f) {
    return real(f)->pMethods->xDeviceCharacteristics(real(f));
}

// Version 1 methods: no shared memory and no memory mapping, which rollback-journal files
// do not need.
const sqlite3_io_methods shimMethods = {
    1,
    shimClose,
    shimRead,
    shimWrite,
    shimTruncate,
    shimSync,
    shimFileSize,
    shimLock,
    shimUnlock,
    shimCheckReservedLock,
    shimFileControl,
    shimSectorSize,
    shimDeviceCharacteristics,
};

int shimOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    auto* shim = reinterpret_cast<ShimFile*>(file);
    shim->base.pMethods = nullptr;
    shim->real = reinterpret_cast<sqlite3_file*>(shim + 1);
    std::memset(shim->real, 0, static_cast<std::size_t>(realVfs->szOsFile));
    const int rc = realVfs->xOpen(realVfs, name, shim->real, flags, outFlags);
    if (shim->real->pMethods)
        shim->base.pMethods = &shimMethods;
    return rc;
}

int shimDelete(sqlite3_vfs*, const char* name, int syncDir) {
    return realVfs->xDelete(realVfs, name, syncDir);
}
int shimAccess(sqlite3_vfs*, const char* name, int flags, int* out) {
    return realVfs->xAccess(realVfs, name, flags, out);
}
int shimFullPathname(sqlite3_vfs*, const char* name, int size, char* out) {
    return realVfs->xFullPathname(realVfs, name, size, out);
}
int shimRandomness(sqlite3_vfs*, int size, char* out) {
    return realVfs->xRandomness(realVfs, size, out);
}
int shimSleep(sqlite3_vfs*, int micro) {
    return realVfs->xSleep(realVfs, micro);
}
int shimCurrentTime(sqlite3_vfs*, double* out) {
    return realVfs->xCurrentTime(realVfs, out);
}
int shimGetLastError(sqlite3_vfs*, int size, char* out) {
    return realVfs->xGetLastError ? realVfs->xGetLastError(realVfs, size, out) : 0;
}
int shimCurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* out) {
    return realVfs->xCurrentTimeInt64(realVfs, out);
}

}  // namespace

void FaultVfs::install() {
    if (realVfs)
        return;
    realVfs = sqlite3_vfs_find(nullptr);
    std::memset(&shimVfs, 0, sizeof shimVfs);
    shimVfs.iVersion = 2;
    shimVfs.szOsFile = static_cast<int>(sizeof(ShimFile)) + realVfs->szOsFile;
    shimVfs.mxPathname = realVfs->mxPathname;
    shimVfs.zName = "ledgerleaf-fault";
    shimVfs.xOpen = shimOpen;
    shimVfs.xDelete = shimDelete;
    shimVfs.xAccess = shimAccess;
    shimVfs.xFullPathname = shimFullPathname;
    shimVfs.xRandomness = shimRandomness;
    shimVfs.xSleep = shimSleep;
    shimVfs.xCurrentTime = shimCurrentTime;
    shimVfs.xGetLastError = shimGetLastError;
    shimVfs.xCurrentTimeInt64 = shimCurrentTimeInt64;
    sqlite3_vfs_register(&shimVfs, 1);
}

void FaultVfs::arm(int n) {
    failAt = n;
    seen = 0;
    hasFired = false;
    counting = true;
}

void FaultVfs::disarm() {
    counting = false;
}

int FaultVfs::count() {
    return seen;
}

bool FaultVfs::fired() {
    return hasFired;
}

}  // namespace ledgerleaf::test
