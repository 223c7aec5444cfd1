/* A plain hidapi client for the drop-in library test: lists the devices,
 * opens the command collection of the given IDs, sends one verified command
 * and prints the answer, skipping movement reports as the program must. */
#include <hidapi/hidapi.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wchar.h>

struct PendingRead {
    hid_device* dev;
    int result;
    unsigned char data[64];
};

static void* readOnce(void* arg) {
    struct PendingRead* r = (struct PendingRead*)arg;
    r->result = hid_read_timeout(r->dev, r->data, 33, 2000);
    return NULL;
}

/* A read already waiting on another thread receives the echo of a write made
 * meanwhile, as with a device node shared by two threads. */
static int concurrent(hid_device* dev, const unsigned char* out) {
    struct PendingRead pending = {dev, -2, {0}};
    pthread_t reader;
    pthread_create(&reader, NULL, readOnce, &pending);
    struct timespec pause = {0, 100 * 1000 * 1000};
    nanosleep(&pause, NULL);
    printf("write %d\n", hid_write(dev, out, 33));
    pthread_join(reader, NULL);
    printf("waiting read %d: %02x %02x\n", pending.result, pending.data[0], pending.data[3]);
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: hidprobe <vid hex> <pid hex> [concurrent]\n");
        return 2;
    }
    const unsigned short vid = (unsigned short)strtoul(argv[1], NULL, 16);
    const unsigned short pid = (unsigned short)strtoul(argv[2], NULL, 16);
    if (hid_init() != 0) return 3;
    struct hid_device_info* devs = hid_enumerate(0, 0);
    char commandPath[256] = "";
    for (struct hid_device_info* d = devs; d; d = d->next) {
        printf("device %04x:%04x page %x usage %x path %s\n", d->vendor_id, d->product_id,
               d->usage_page, d->usage, d->path);
        if (d->vendor_id == vid && d->product_id == pid && d->usage_page == 1 && d->usage == 0)
            snprintf(commandPath, sizeof commandPath, "%s", d->path);
    }
    hid_free_enumeration(devs);
    if (!commandPath[0]) {
        printf("no command collection\n");
        return 4;
    }
    hid_device* dev = hid_open_path(commandPath);
    if (!dev) {
        printf("open failed\n");
        return 5;
    }
    wchar_t product[64] = L"";
    hid_get_product_string(dev, product, 64);
    printf("product %ls\n", product);
    /* Begin of a profile write: 05 cs FA 46 00 ... */
    unsigned char out[33] = {0x05, 0, 0xFA, 0x46};
    out[1] = (unsigned char)(((0xFA + 0x46) & 0xFF) ^ 0x66);
    if (argc > 3 && strcmp(argv[3], "concurrent") == 0) {
        concurrent(dev, out);
        hid_close(dev);
        return 0;
    }
    int written = hid_write(dev, out, sizeof out);
    printf("write %d\n", written);
    unsigned char in[64];
    int skipped = 0;
    for (int tries = 0; tries < 20; ++tries) {
        memset(in, 0, sizeof in);
        int n = hid_read_timeout(dev, in, 33, 500);
        if (n <= 0) {
            printf("read %d\n", n);
            break;
        }
        if (in[0] != 0x05) {
            ++skipped;
            continue;
        }
        printf("read %d:", n);
        for (int i = 0; i < n; ++i)
            printf(" %02x", in[i]);
        printf("\n");
        break;
    }
    printf("skipped %d\n", skipped);
    hid_close(dev);
    hid_exit();
    return 0;
}
