#include "link/line_settings.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

#include <cerrno>

namespace line_settings {
namespace {

void MakeRaw8N1(termios2& t, std::uint32_t baud_rate) {
  t.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL |
                                      IXON | IXOFF | IXANY | INPCK | IUCLC | IMAXBEL);
  t.c_iflag |= IGNPAR;
  t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ECHOE | ECHOK | ICANON | ISIG | IEXTEN);
  t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS | CBAUD |
                                      (CBAUD << IBSHIFT));
  t.c_cflag |= CS8 | CREAD | CLOCAL | BOTHER | (BOTHER << IBSHIFT);
  t.c_ispeed = baud_rate;
  t.c_ospeed = baud_rate;
  t.c_cc[VMIN] = 0;  // reads never block in the kernel: poll does the waiting
  t.c_cc[VTIME] = 0;
}

bool IsRaw8N1(const termios2& t) {
  return (t.c_cflag & CSIZE) == CS8 && (t.c_cflag & (PARENB | CSTOPB | CRTSCTS)) == 0 &&
         (t.c_lflag & (ICANON | ECHO | ISIG)) == 0 && (t.c_oflag & OPOST) == 0 &&
         (t.c_iflag & (IXON | IXOFF)) == 0;
}

}  // namespace

Result ApplyRaw8N1(int fd, std::uint32_t baud_rate) {
  termios2 t{};
  if (ioctl(fd, TCGETS2, &t) != 0) return {Step::kRead, errno};
  if (baud_rate == 0) return {Step::kWrite, EINVAL};
  MakeRaw8N1(t, baud_rate);
  if (ioctl(fd, TCSETS2, &t) != 0) return {Step::kWrite, errno};
  termios2 back{};
  if (ioctl(fd, TCGETS2, &back) != 0) return {Step::kCheck, errno};
  if (!IsRaw8N1(back)) return {Step::kCheck, EINVAL};
  return {};
}

}  // namespace line_settings
