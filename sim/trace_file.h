#pragma once

#include <sys/types.h>

#include <ostream>
#include <streambuf>
#include <string>

namespace tavexo::sim {

// The trace file as tavexo-sim writes it: straight to the file descriptor,
// so that the first failed write stops the stream with the system's own
// reason (errno), which a std::ofstream does not keep.
class TraceFile {
  public:
    TraceFile() = default;
    ~TraceFile();
    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;

    // Creates or empties the file; false with Error() set when it cannot.
    bool Open(const std::string& path);
    bool IsOpen() const { return fd_ >= 0; }
    // A stream over the file; it goes bad at the first failed write.
    std::ostream& Stream() { return stream_; }

    // Closes the file; false with Error() set when a write or the close
    // failed. Safe to call more than once.
    bool Close();

    // Whether a regular file was opened, not a device or pipe (such as
    // /dev/full), which is never removed.
    bool IsRegularFile() const { return regular_; }

    // Removes the regular file written, and only that: nothing when its
    // name now belongs to another file. True when the file is gone; false
    // with the reason in `why` otherwise.
    bool RemoveWritten(std::string& why);

    // The system's reason of the first failure; 0 for none.
    int ErrorNumber() const { return buffer_.error; }
    std::string Error() const;

  private:
    // Passes every write through to write(2) and keeps the first errno.
    struct DescriptorBuffer : std::streambuf {
        int fd = -1;
        int error = 0;
        std::streamsize xsputn(const char* data, std::streamsize size) override;
        int_type overflow(int_type c) override;
    };

    std::string path_;
    int fd_ = -1;
    bool regular_ = false;  // whether it was a regular file when opened
    dev_t device_ = 0;      // which file it was, to remove no other
    ino_t inode_ = 0;
    DescriptorBuffer buffer_;
    std::ostream stream_{&buffer_};
};

}  // namespace tavexo::sim
