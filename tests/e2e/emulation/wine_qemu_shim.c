/* Preloaded into 32-bit Wine processes when i386 code runs under qemu-user
   (a kernel without 32-bit support). qemu's mmap treats MAP_FIXED_NOREPLACE
   as a plain hint, so Wine's reservation of the address space above 2 GB
   (which a 32-bit Windows program never uses) splits into some 65000 futile
   mmap calls and costs tens of seconds per process start. Those requests
   are answered "no memory" at once; every other mapping passes through.

   Built freestanding (no 32-bit C library is needed at build time); errno
   and the real mmap come from the process's own C library at run time. */
typedef unsigned int size_t;
typedef long long off64_t;

#define MAP_FIXED_NOREPLACE 0x100000
#define ENOMEM 12
#define RTLD_NEXT ((void *)-1l)
#define FIRST_RESERVED_ADDRESS 0x80000000ul

extern int *__errno_location(void);
extern void *dlsym(void *handle, const char *name);

typedef void *(*mmap64_fn)(void *, size_t, int, int, int, off64_t);
typedef void *(*mmap_fn)(void *, size_t, int, int, int, long);

static int is_high_reservation(void *addr, int prot, int flags, int fd)
{
    return (flags & MAP_FIXED_NOREPLACE) && prot == 0 && fd == -1 &&
           (unsigned long)addr >= FIRST_RESERVED_ADDRESS;
}

void *mmap64(void *addr, size_t len, int prot, int flags, int fd, off64_t off)
{
    static mmap64_fn real;
    if (is_high_reservation(addr, prot, flags, fd)) {
        *__errno_location() = ENOMEM;
        return (void *)-1;
    }
    if (!real)
        real = (mmap64_fn)dlsym(RTLD_NEXT, "mmap64");
    return real(addr, len, prot, flags, fd, off);
}

void *mmap(void *addr, size_t len, int prot, int flags, int fd, long off)
{
    static mmap_fn real;
    if (is_high_reservation(addr, prot, flags, fd)) {
        *__errno_location() = ENOMEM;
        return (void *)-1;
    }
    if (!real)
        real = (mmap_fn)dlsym(RTLD_NEXT, "mmap");
    return real(addr, len, prot, flags, fd, off);
}

