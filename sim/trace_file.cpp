#include "sim/trace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace tavexo::sim {

std::streamsize TraceFile::DescriptorBuffer::xsputn(const char* data, std::streamsize size) {
    if (error != 0) return 0;
    std::streamsize done = 0;
    while (done < size) {
        const ssize_t wrote = ::write(fd, data + done, static_cast<size_t>(size - done));
        if (wrote < 0) {
            if (errno == EINTR) continue;
            error = errno;
            break;
        }
        if (wrote == 0) {  // no progress and no reason: call it an I/O error
            error = EIO;
            break;
        }
        done += wrote;
    }
    return done;
}

TraceFile::DescriptorBuffer::int_type TraceFile::DescriptorBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char one = traits_type::to_char_type(c);
    return xsputn(&one, 1) == 1 ? c : traits_type::eof();
}

TraceFile::~TraceFile() {
    Close();
}

bool TraceFile::Open(const std::string& path) {
    Close();
    path_ = path;
    buffer_.error = 0;
    stream_.clear();
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        buffer_.error = errno;
        return false;
    }
    buffer_.fd = fd_;
    struct stat info {};
    if (::fstat(fd_, &info) == 0) {
        regular_ = S_ISREG(info.st_mode);
        device_ = info.st_dev;
        inode_ = info.st_ino;
    }
    // The file's own name, so that a symbolic link given as the trace's
    // name is not what a removal removes.
    if (char* real = ::realpath(path.c_str(), nullptr)) {
        path_ = real;
        std::free(real);
    }
    return true;
}

bool TraceFile::Close() {
    if (fd_ < 0) return buffer_.error == 0;
    // Some file systems (NFS, quotas) report a failed write only here.
    if (::close(fd_) != 0 && buffer_.error == 0 && errno != EINTR) buffer_.error = errno;
    fd_ = -1;
    buffer_.fd = -1;
    return buffer_.error == 0;
}

bool TraceFile::RemoveWritten(std::string& why) {
    if (!regular_) {
        why = "not a regular file";
        return false;
    }
    struct stat info {};
    if (::lstat(path_.c_str(), &info) != 0) {
        if (errno == ENOENT) return true;
        why = std::strerror(errno);
        return false;
    }
    if (info.st_dev != device_ || info.st_ino != inode_) {
        why = "the name now belongs to another file";
        return false;
    }
    if (::unlink(path_.c_str()) != 0) {
        why = std::strerror(errno);
        return false;
    }
    return true;
}

std::string TraceFile::Error() const {
    return buffer_.error == 0 ? std::string() : std::string(std::strerror(buffer_.error));
}

}  // namespace tavexo::sim
