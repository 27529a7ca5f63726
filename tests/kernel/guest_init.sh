#!/bin/busybox sh
# The kernel tier guest's init (busybox, from the initramfs that run_guest.py makes): loads the
# modules, mounts the host's root read-only with writable tmpfs where programs write, mounts the
# results share at the path it has on the host, and runs guest_cases.py in that root. Whatever
# happens, the guest powers off at the end.
/bin/busybox --install -s /bin
export PATH=/bin

mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev

for module in virtio_ring virtio virtio_pci_modern_dev virtio_pci_legacy_dev virtio_pci netfs \
    fscache 9pnet 9pnet_virtio 9p hid uhid hid-generic uinput evdev; do
  insmod /modules/$module.ko || echo "guest: insmod $module failed"
done

results=
cases=
for word in $(cat /proc/cmdline); do
  case $word in
    halvane.results=*) results=${word#halvane.results=} ;;
    halvane.cases=*) cases=${word#halvane.cases=} ;;
  esac
done

# The host's files do not change while the guest runs, so the guest may cache them.
if mount -t 9p -o trans=virtio,version=9p2000.L,ro,msize=512000,cache=loose host /host; then
  for dir in proc sys dev; do mount --bind /$dir /host/$dir; done
  mkdir -p /dev/shm /dev/pts
  mount -t tmpfs shm /host/dev/shm
  mount -t devpts devpts /host/dev/pts
  # Where the guest's programs write; /etc/udev is the guest's own so that the tests decide
  # which rules and hwdb its udevd sees.
  for dir in tmp run var/tmp etc/udev; do mount -t tmpfs "guest-${dir%%/*}" "/host/$dir"; done
fi
# Last, so that it stays visible wherever it lies.
if [ -n "$results" ] && mkdir -p "/host$results" &&
    mount -t 9p -o trans=virtio,version=9p2000.L,msize=512000 results "/host$results"; then
  chroot /host /usr/bin/python3 -B "$cases" "$results/config.json" 2>&1 || true
else
  echo "guest: the shares could not be mounted"
fi
sync
poweroff -f
