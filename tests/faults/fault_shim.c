/* Makes the disk look full on demand: interposes write, fsync, fdatasync, rename, renameat, renameat2 and
 * linkat (the calls QFile, QSaveFile and QLockFile make on Linux) and passes each on to libc until armed.
 *
 * Only calls on regular files below the scope folder count and fail; lock files ("*.lock") are left out so
 * that a count aims at the order file itself. Once a fault has fired, every later call of an armed kind in
 * the scope fails too, as on a disk that stays full, until the shim is disarmed.
 * Writes that libc makes internally (stdio's fwrite, fprintf) do not pass through here; Qt's QFile and
 * QSaveFile call write() themselves, and so does the order file code.
 *
 * Linked into a test, it is driven by zel_fault_scope/zel_fault_arm/zel_fault_disarm (fault_shim.h).
 * LD_PRELOADed into the program by hand, it arms itself at start from the environment:
 *   ZEL_FAULT_SCOPE  folder whose files are affected (required)
 *   ZEL_FAULT_OP     comma-separated calls sharing one count, e.g. "write" or "rename,renameat2,linkat"
 *   ZEL_FAULT_AFTER  how many calls succeed before the fault (default 0)
 *   ZEL_FAULT_ERRNO  errno of the failing call (default 28, ENOSPC)
 *   ZEL_FAULT_SHORT  bytes a failing write still writes, returning the short count (default 0)
 */
#define _GNU_SOURCE
#include "fault_shim.h"

#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

enum {
    OP_WRITE = 1 << 0,
    OP_FSYNC = 1 << 1,
    OP_FDATASYNC = 1 << 2,
    OP_RENAME = 1 << 3,
    OP_RENAMEAT = 1 << 4,
    OP_RENAMEAT2 = 1 << 5,
    OP_LINKAT = 1 << 6,
};

static const struct
{
    const char* name;
    unsigned op;
} op_names[] = {{"write", OP_WRITE},   {"fsync", OP_FSYNC},       {"fdatasync", OP_FDATASYNC},
                {"rename", OP_RENAME}, {"renameat", OP_RENAMEAT}, {"renameat2", OP_RENAMEAT2},
                {"linkat", OP_LINKAT}};

enum verdict { PASS, FAIL, SHORT_WRITE };

static pthread_mutex_t state_lock = PTHREAD_MUTEX_INITIALIZER;
static char scope[PATH_MAX];
static char scope_real[PATH_MAX];
static unsigned armed_ops; /* read without the lock first, so unarmed calls stay cheap */
static int remaining;
static int fail_errno = ENOSPC;
static int short_bytes;
static int tripped;
static int fired;

/* libc's own function, looked up once. */
#define REAL(name)                                                                                                     \
    ({                                                                                                                 \
        static __typeof__(&name) real_;                                                                                \
        if (!real_)                                                                                                    \
            real_ = (__typeof__(&name))dlsym(RTLD_NEXT, #name);                                                        \
        real_;                                                                                                         \
    })

static int under_scope(const char* path)
{
    const char* roots[] = {scope, scope_real};
    size_t length = strlen(path);
    if (length >= 5 && strcmp(path + length - 5, ".lock") == 0)
        return 0;
    for (int i = 0; i < 2; ++i) {
        size_t root = strlen(roots[i]);
        if (root > 0 && strncmp(path, roots[i], root) == 0 && path[root] == '/')
            return 1;
    }
    return 0;
}

static int fd_path(int fd, char* out, size_t size)
{
    char link[64];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    ssize_t n = readlink(link, out, size - 1);
    if (n < 0)
        return 0;
    out[n] = '\0';
    return 1;
}

static int fd_in_scope(int fd)
{
    struct stat info;
    char path[PATH_MAX];
    return fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && fd_path(fd, path, sizeof path) && under_scope(path);
}

static int path_in_scope(int dirfd, const char* path)
{
    char full[2 * PATH_MAX];
    char base[PATH_MAX];
    if (path == NULL)
        return 0;
    if (path[0] == '/')
        return under_scope(path);
    if (dirfd == AT_FDCWD ? getcwd(base, sizeof base) == NULL : !fd_path(dirfd, base, sizeof base))
        return 0;
    snprintf(full, sizeof full, "%s/%s", base, path);
    return under_scope(full);
}

/* Decides the fate of one call that lies in the scope. */
static enum verdict decide(unsigned op, int in_scope)
{
    enum verdict result = PASS;
    if (!in_scope)
        return PASS;
    pthread_mutex_lock(&state_lock);
    if (armed_ops & op) {
        if (tripped) {
            result = FAIL;
        } else if (remaining > 0) {
            --remaining;
        } else {
            tripped = 1;
            result = op == OP_WRITE && short_bytes > 0 ? SHORT_WRITE : FAIL;
        }
        if (result != PASS)
            ++fired;
    }
    pthread_mutex_unlock(&state_lock);
    return result;
}

static int armed(unsigned op)
{
    return (__atomic_load_n(&armed_ops, __ATOMIC_ACQUIRE) & op) != 0;
}

void zel_fault_scope(const char* folder)
{
    pthread_mutex_lock(&state_lock);
    snprintf(scope, sizeof scope, "%s", folder ? folder : "");
    if (folder == NULL || realpath(folder, scope_real) == NULL)
        scope_real[0] = '\0';
    pthread_mutex_unlock(&state_lock);
}

int zel_fault_arm(const char* op, int afterCalls, int err, int shortBytes)
{
    unsigned ops = 0;
    char names[256];
    snprintf(names, sizeof names, "%s", op ? op : "");
    for (char *save = NULL, *name = strtok_r(names, ",", &save); name; name = strtok_r(NULL, ",", &save)) {
        unsigned found = 0;
        for (size_t i = 0; i < sizeof op_names / sizeof op_names[0]; ++i)
            if (strcmp(name, op_names[i].name) == 0)
                found = op_names[i].op;
        if (!found) {
            fprintf(stderr, "fault shim: unknown call \"%s\"\n", name);
            return -1;
        }
        ops |= found;
    }
    pthread_mutex_lock(&state_lock);
    remaining = afterCalls;
    fail_errno = err;
    short_bytes = shortBytes;
    tripped = 0;
    fired = 0;
    __atomic_store_n(&armed_ops, ops, __ATOMIC_RELEASE);
    pthread_mutex_unlock(&state_lock);
    return 0;
}

void zel_fault_disarm(void)
{
    pthread_mutex_lock(&state_lock);
    __atomic_store_n(&armed_ops, 0u, __ATOMIC_RELEASE);
    tripped = 0;
    pthread_mutex_unlock(&state_lock);
}

int zel_fault_fired(void)
{
    pthread_mutex_lock(&state_lock);
    int count = fired;
    pthread_mutex_unlock(&state_lock);
    return count;
}

static int env_int(const char* name, int fallback)
{
    const char* value = getenv(name);
    return value && *value ? atoi(value) : fallback;
}

__attribute__((constructor)) static void arm_from_environment(void)
{
    const char* folder = getenv("ZEL_FAULT_SCOPE");
    const char* op = getenv("ZEL_FAULT_OP");
    if (!folder || !op)
        return;
    zel_fault_scope(folder);
    zel_fault_arm(op, env_int("ZEL_FAULT_AFTER", 0), env_int("ZEL_FAULT_ERRNO", ENOSPC), env_int("ZEL_FAULT_SHORT", 0));
}

static int fail(void)
{
    errno = fail_errno;
    return -1;
}

ssize_t write(int fd, const void* buffer, size_t count)
{
    if (armed(OP_WRITE)) {
        switch (decide(OP_WRITE, fd_in_scope(fd))) {
        case FAIL:
            return fail();
        case SHORT_WRITE:
            if ((size_t)short_bytes < count)
                return REAL(write)(fd, buffer, (size_t)short_bytes);
            return fail();
        case PASS:
            break;
        }
    }
    return REAL(write)(fd, buffer, count);
}

int fsync(int fd)
{
    if (armed(OP_FSYNC) && decide(OP_FSYNC, fd_in_scope(fd)) != PASS)
        return fail();
    return REAL(fsync)(fd);
}

int fdatasync(int fd)
{
    if (armed(OP_FDATASYNC) && decide(OP_FDATASYNC, fd_in_scope(fd)) != PASS)
        return fail();
    return REAL(fdatasync)(fd);
}

int rename(const char* from, const char* to)
{
    if (armed(OP_RENAME) && decide(OP_RENAME, path_in_scope(AT_FDCWD, to)) != PASS)
        return fail();
    return REAL(rename)(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    if (armed(OP_RENAMEAT) && decide(OP_RENAMEAT, path_in_scope(toDir, to)) != PASS)
        return fail();
    return REAL(renameat)(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned int flags)
{
    if (armed(OP_RENAMEAT2) && decide(OP_RENAMEAT2, path_in_scope(toDir, to)) != PASS)
        return fail();
    return REAL(renameat2)(fromDir, from, toDir, to, flags);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags)
{
    if (armed(OP_LINKAT) && decide(OP_LINKAT, path_in_scope(toDir, to)) != PASS)
        return fail();
    return REAL(linkat)(fromDir, from, toDir, to, flags);
}
