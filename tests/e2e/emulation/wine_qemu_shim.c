/* Preloaded into 32-bit Wine processes when i386 code runs under qemu-user
   (a kernel without 32-bit support). It works around two properties of
   qemu-i386's user mode that Wine trips over.

   1. Address space. qemu's mmap treats MAP_FIXED_NOREPLACE as a plain
      hint, so Wine's reservation of the address space above 2 GB (which a
      32-bit Windows program never uses) splits into some 65000 futile mmap
      calls and costs tens of seconds per process start. Those requests are
      answered "no memory" at once; every other mapping passes through.

   2. Thread segments. qemu keeps one GDT for the whole process, while
      Linux gives every thread its own thread-local GDT entries. glibc puts
      each thread's %gs base into the same GDT entry (and Wine each thread's
      %fs base, which points to the thread's TEB, into another), so the last
      thread to start owns both entries. A thread keeps its own bases only
      until it reloads a segment register, which Wine does in every signal
      handler and when it resumes a thread after an exception: from then on
      the thread uses another thread's TEB and C library data. In a process
      with a second thread, every Windows exception (a fault, RaiseException,
      OutputDebugString) therefore crashes.
      The LDT, in contrast, is per process on Linux as in qemu, so here each
      thread gets an LDT entry of its own: %gs is moved to one at start
      (the main thread in the constructor below, every other thread in a
      pthread_create wrapper), and Wine is steered to its own per-thread LDT
      entries for %fs by failing its set_thread_area calls, a case it
      handles (as on kernels without that call). Wine leaves LDT entries
      below 512 to the C library when %gs is an LDT selector, and that is
      where the entries for %gs come from.

   Built freestanding (no 32-bit C library is needed at build time); errno,
   dlsym and the pthread functions come from the process's own C library at
   run time. */
typedef unsigned int size_t;
typedef long long off64_t;
typedef unsigned long pthread_t;
typedef unsigned int pthread_key_t;

#define MAP_FIXED_NOREPLACE 0x100000
#define ENOMEM 12
#define ENOSYS 38
#define EAGAIN 11
#define RTLD_NEXT ((void *)-1l)
#define FIRST_RESERVED_ADDRESS 0x80000000ul

#define SYS_modify_ldt 123
#define SYS_set_thread_area 243
#define SYS_sched_yield 158

extern int *__errno_location(void);
extern void *dlsym(void *handle, const char *name);
extern void *malloc(size_t size);
extern void free(void *block);
extern int pthread_key_create(pthread_key_t *key, void (*destructor)(void *));
extern int pthread_setspecific(pthread_key_t key, const void *value);

/* ------------------------------------------------------------ mmap */

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

/* ------------------------------------------------- thread segments */

/* struct user_desc of <asm/ldt.h> */
struct user_desc {
    unsigned int entry_number;
    unsigned long base_addr;
    unsigned int limit;
    unsigned int flags; /* seg_32bit:1 contents:2 read_exec_only:1 limit_in_pages:1
                           seg_not_present:1 useable:1 */
};

#define DESC_32BIT 0x01
#define DESC_LIMIT_IN_PAGES 0x10
#define DESC_USEABLE 0x40

/* Entries 1..511: below the range Wine then takes for %fs. */
#define FIRST_ENTRY 1
#define ENTRY_COUNT 511

static volatile unsigned char entry_used[ENTRY_COUNT];
static volatile int entry_lock;
static volatile int create_lock;
static unsigned int next_entry;
static int segments_moved;          /* the main thread's %gs is in the LDT */
static unsigned short gdt_selector; /* glibc's own %gs selector */
static pthread_key_t entry_key;

static long raw_syscall3(long number, long a, long b, long c)
{
    long result;
    __asm__ volatile("int $0x80" : "=a"(result) : "0"(number), "b"(a), "c"(b), "d"(c) : "memory");
    return result;
}

static void lock(volatile int *flag)
{
    while (__sync_lock_test_and_set(flag, 1))
        raw_syscall3(SYS_sched_yield, 0, 0, 0);
}

static void unlock(volatile int *flag)
{
    __sync_lock_release(flag);
}

static void set_gs(unsigned short selector)
{
    __asm__ volatile("movw %0, %%gs" : : "r"(selector) : "memory");
}

static unsigned short get_gs(void)
{
    unsigned short value;
    __asm__ volatile("movw %%gs, %0" : "=r"(value));
    return value;
}

static unsigned short get_fs(void)
{
    unsigned short value;
    __asm__ volatile("movw %%fs, %0" : "=r"(value));
    return value;
}

/* glibc's thread control block starts with a pointer to itself, which is
   the %gs base of the running thread. */
static unsigned long gs_base(void)
{
    unsigned long value;
    __asm__ volatile("movl %%gs:0, %0" : "=r"(value));
    return value;
}

static int take_entry(void)
{
    int found = -1;
    lock(&entry_lock);
    /* Round robin, so an entry freed by an ending thread (which may still
       run a little on it) is handed out again as late as possible. */
    for (unsigned int tried = 0; tried < ENTRY_COUNT; ++tried) {
        unsigned int index = (next_entry + tried) % ENTRY_COUNT;
        if (!entry_used[index]) {
            entry_used[index] = 1;
            next_entry = index + 1;
            found = (int)index;
            break;
        }
    }
    unlock(&entry_lock);
    return found;
}

static void give_entry(void *value)
{
    unsigned int index = (unsigned int)(unsigned long)value - 1;
    if (index < ENTRY_COUNT)
        entry_used[index] = 0;
}

/* Points %gs at an LDT entry of this thread's own with the same base. */
static int move_gs_to_ldt(void)
{
    int index = take_entry();
    if (index < 0)
        return 0;
    struct user_desc desc;
    desc.entry_number = (unsigned int)(FIRST_ENTRY + index);
    desc.base_addr = gs_base();
    desc.limit = 0xfffff;
    desc.flags = DESC_32BIT | DESC_LIMIT_IN_PAGES | DESC_USEABLE;
    if (raw_syscall3(SYS_modify_ldt, 0x11, (long)&desc, sizeof desc) != 0) {
        give_entry((void *)(unsigned long)(index + 1));
        return 0;
    }
    set_gs((unsigned short)((desc.entry_number << 3) | 7));
    return index + 1;
}

__attribute__((constructor)) static void move_main_thread(void)
{
    /* Only a fresh process with glibc's usual GDT %gs and no %fs yet (no
       preloader has set one up) is changed. */
    unsigned short gs = get_gs();
    if (get_fs() != 0 || gs == 0 || (gs & 4))
        return;
    if (pthread_key_create(&entry_key, give_entry) != 0)
        return;
    int entry = move_gs_to_ldt();
    if (!entry)
        return;
    pthread_setspecific(entry_key, (void *)(unsigned long)entry);
    gdt_selector = gs;
    segments_moved = 1;
}

struct thread_start {
    void *(*start)(void *);
    void *arg;
};

static void *start_on_own_entry(void *data)
{
    struct thread_start start = *(struct thread_start *)data;
    free(data);
    int entry = move_gs_to_ldt();
    if (entry)
        pthread_setspecific(entry_key, (void *)(unsigned long)entry);
    return start.start(start.arg);
}

typedef int (*pthread_create_fn)(pthread_t *, const void *, void *(*)(void *), void *);

int pthread_create(pthread_t *thread, const void *attr, void *(*start)(void *), void *arg)
{
    static pthread_create_fn real;
    if (!real)
        real = (pthread_create_fn)dlsym(RTLD_NEXT, "pthread_create");
    if (!segments_moved)
        return real(thread, attr, start, arg);
    struct thread_start *data = malloc(sizeof *data);
    if (!data)
        return EAGAIN;
    data->start = start;
    data->arg = arg;
    /* glibc gives the new thread its %gs base through the GDT entry the
       creating thread's %gs selects, so for the call this thread goes back
       to that entry, first set to its own base. The new thread moves to an
       LDT entry as it starts; this one returns to its own afterwards. */
    lock(&create_lock);
    unsigned short own = get_gs();
    struct user_desc desc;
    desc.entry_number = gdt_selector >> 3;
    desc.base_addr = gs_base();
    desc.limit = 0xfffff;
    desc.flags = DESC_32BIT | DESC_LIMIT_IN_PAGES | DESC_USEABLE;
    int back_to_gdt = raw_syscall3(SYS_set_thread_area, (long)&desc, 0, 0) == 0;
    if (back_to_gdt)
        set_gs(gdt_selector);
    int result = real(thread, attr, start_on_own_entry, data);
    if (back_to_gdt)
        set_gs(own);
    unlock(&create_lock);
    if (result != 0)
        free(data);
    return result;
}

typedef long (*syscall_fn)(long, long, long, long, long, long, long);

long syscall(long number, long a, long b, long c, long d, long e, long f)
{
    static syscall_fn real;
    if (number == SYS_set_thread_area && segments_moved) {
        *__errno_location() = ENOSYS;
        return -1;
    }
    if (!real)
        real = (syscall_fn)dlsym(RTLD_NEXT, "syscall");
    return real(number, a, b, c, d, e, f);
}
