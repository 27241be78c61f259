#include "recording/CrashRepair.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <string_view>
#include <thread>
#include <vector>

#include "recording/FileOutput.h"
#include "recording/MMBoxEncoder.h"
#include "platform/UserText.h"
#include "recording/OutputNames.h"

namespace recording {
namespace {

struct InputClose {
    void operator()(AVFormatContext* input) const { avformat_close_input(&input); }
};
struct OutputFree {
    void operator()(AVFormatContext* output) const { avformat_free_context(output); }
};
struct PacketFree {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
using InputPtr = std::unique_ptr<AVFormatContext, InputClose>;
using OutputPtr = std::unique_ptr<AVFormatContext, OutputFree>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFree>;

uint32_t LittleEndian32(const unsigned char* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

InputPtr OpenInput(const std::string& path) {
    AVFormatContext* raw = nullptr;
    // "file:" keeps a colon in the path from being read as a protocol name.
    if (avformat_open_input(&raw, ("file:" + path).c_str(), av_find_input_format("avi"), nullptr) <
        0) {
        return nullptr;
    }
    InputPtr input(raw);
    if (avformat_find_stream_info(input.get(), nullptr) < 0) return nullptr;
    return input;
}

// Video packets that read back from the AVI file at `path`; -1 when it does not open.
int CountVideoPackets(const std::string& path) {
    InputPtr input = OpenInput(path);
    if (!input) return -1;
    const int video = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    PacketPtr packet(av_packet_alloc());
    if (video < 0 || !packet) return -1;
    int count = 0;
    while (av_read_frame(input.get(), packet.get()) >= 0) {
        if (packet->stream_index == video && packet->size > 0) ++count;
        av_packet_unref(packet.get());
    }
    return count;
}

// Copies the packets of `input` into a new AVI file at `copyPath`; the video packets copied, or
// -1 on failure.
int CopyPackets(AVFormatContext* input, const std::string& copyPath,
                const std::atomic<bool>& cancel) {
    AVFormatContext* raw = nullptr;
    if (avformat_alloc_output_context2(&raw, nullptr, "avi", copyPath.c_str()) < 0 || !raw)
        return -1;
    OutputPtr output(raw);
    const int fd = OpenNewFile(copyPath);
    if (fd < 0) return -1;
    std::unique_ptr<FileOutput> file = FileOutput::Make(fd);
    if (!file) return -1;
    output->pb = file->Context();

    std::vector<int> streamMap(input->nb_streams, -1);
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVCodecParameters* parameters = input->streams[i]->codecpar;
        if (parameters->codec_type != AVMEDIA_TYPE_VIDEO &&
            parameters->codec_type != AVMEDIA_TYPE_AUDIO) {
            continue;
        }
        AVStream* stream = avformat_new_stream(output.get(), nullptr);
        if (!stream || avcodec_parameters_copy(stream->codecpar, parameters) < 0) return -1;
        stream->time_base = input->streams[i]->time_base;
        stream->avg_frame_rate = input->streams[i]->avg_frame_rate;
        streamMap[i] = stream->index;
    }
    av_dict_copy(&output->metadata, input->metadata, 0);
    if (output->nb_streams == 0 || avformat_write_header(output.get(), nullptr) < 0) return -1;

    PacketPtr packet(av_packet_alloc());
    if (!packet) return -1;
    int videoPackets = 0;
    bool failed = false;
    while (!failed && av_read_frame(input, packet.get()) >= 0) {
        const int index = packet->stream_index;
        // A packet the cut went through is incomplete; it is dropped.
        if (index < static_cast<int>(streamMap.size()) && streamMap[index] >= 0 &&
            !(packet->flags & AV_PKT_FLAG_CORRUPT)) {
            AVStream* stream = output->streams[streamMap[index]];
            if (stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO && packet->size > 0)
                ++videoPackets;
            av_packet_rescale_ts(packet.get(), input->streams[index]->time_base, stream->time_base);
            packet->stream_index = stream->index;
            packet->pos = -1;
            failed = av_interleaved_write_frame(output.get(), packet.get()) < 0;
        }
        av_packet_unref(packet.get());
        if (cancel) failed = true;
    }
    if (av_write_trailer(output.get()) < 0) failed = true;
    output->pb = nullptr;
    if (file->Close(true) < 0) failed = true;
    return failed ? -1 : videoPackets;
}

}  // namespace

bool IsRecordingFileName(std::string_view fileName) {
    static const std::regex pattern(R"(\d{4}-\d\d-\d\d \d\d-\d\d-\d\d( \([1-9]\d*\))?\.avi)");
    return std::regex_match(fileName.begin(), fileName.end(), pattern);
}

bool IsUnfinishedAvi(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    struct stat info {};
    const bool sized = fstat(fileno(file), &info) == 0;
    const uint64_t size = sized ? static_cast<uint64_t>(info.st_size) : 0;
    unsigned char header[12];
    bool unfinished = false;
    if (std::fread(header, 1, sizeof header, file) == sizeof header &&
        std::equal(header, header + 4, "RIFF") && std::equal(header + 8, header + 12, "AVI ")) {
        // The file is a row of RIFF chunks ("AVI " and, past a gigabyte, "AVIX"); a finished
        // file closes each with its true size.
        uint64_t offset = 0;
        while (offset + 8 <= size && !unfinished) {
            unsigned char chunk[8];
            if (std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0 ||
                std::fread(chunk, 1, sizeof chunk, file) != sizeof chunk ||
                !std::equal(chunk, chunk + 4, "RIFF")) {
                break;
            }
            const uint64_t chunkSize = LittleEndian32(chunk + 4);
            unfinished = chunkSize == 0xFFFFFFFFu || offset + 8 + chunkSize > size;
            offset += 8 + chunkSize + (chunkSize & 1);
        }
    }
    std::fclose(file);
    return unfinished;
}

bool IsOwnRecording(const std::string& path) {
    const InputPtr input = OpenInput(path);
    const AVDictionaryEntry* mark =
        input ? av_dict_get(input->metadata, "encoded_by", nullptr, 0) : nullptr;
    return mark && std::string_view(mark->value) == kRecordingMark;
}

bool RepairRecording(const std::string& path, const std::atomic<bool>& cancel,
                     const RepairObserver& observer, std::string* whyNot) {
    const auto fail = [whyNot](const std::string& reason) {
        if (whyNot) *whyNot = reason;
        return false;
    };
    struct stat original {};
    if (stat(path.c_str(), &original) != 0) return fail(platform::UserText("Recording", QT_TRANSLATE_NOOP("Recording", "it cannot be found")));
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = path.substr(folder.size());
    const std::string copyPath = folder + "." + name + ".repairing";
    // Left by a repair that was itself cut off; removing a name never follows a link.
    unlink(copyPath.c_str());

    // The copy needs as much room as the original.
    struct statvfs space {};
    const std::string spaceFolder = folder.empty() ? "." : folder;
    if (statvfs(spaceFolder.c_str(), &space) == 0) {
        const uint64_t free = uint64_t{space.f_bavail} * space.f_frsize;
        if (free < static_cast<uint64_t>(original.st_size))
            //: Why a recording could not be repaired
            return fail(platform::UserText(
                "Recording", QT_TRANSLATE_NOOP("Recording", "there is no room for a copy of it (%1 needed, %2 free)"),
                {MiBText(static_cast<uint64_t>(original.st_size)), MiBText(free)}));
    }
    InputPtr input = OpenInput(path);
    if (!input) return fail(platform::UserText("Recording", QT_TRANSLATE_NOOP("Recording", "it cannot be read")));
    const int copied = CopyPackets(input.get(), copyPath, cancel);
    input.reset();
    if (copied > 0 && observer.written) observer.written(copyPath);
    // The copy must hold every whole frame and read back as a finished file before it may take
    // the original's place.
    const bool sound = copied > 0 && !cancel && !IsUnfinishedAvi(copyPath) &&
                       CountVideoPackets(copyPath) == copied;
    if (sound && observer.readBack) observer.readBack(copyPath);
    // The repaired file keeps what the user may have set on the original: its mode, owner and
    // group (as far as this user may give them) and its times.
    const timespec times[2] = {original.st_atim, original.st_mtim};
    const bool kept = sound && chmod(copyPath.c_str(), original.st_mode & 07777) == 0 &&
                      (chown(copyPath.c_str(), original.st_uid, original.st_gid) == 0 ||
                       errno == EPERM) &&
                      utimensat(AT_FDCWD, copyPath.c_str(), times, 0) == 0;
    if (!kept || cancel || std::rename(copyPath.c_str(), path.c_str()) != 0) {
        unlink(copyPath.c_str());
        return fail(platform::UserText(
            "Recording",
            copied <= 0 ? QT_TRANSLATE_NOOP("Recording", "its repaired copy could not be written")
            : !sound    ? QT_TRANSLATE_NOOP("Recording", "its repaired copy did not read back whole")
                        : QT_TRANSLATE_NOOP("Recording", "its repaired copy could not take its place")));
    }
    return true;
}

namespace {

// The write lock of an open file description on a recording, held while it is repaired, so that
// neither a recorder still writing the file (see FileOutput) nor a repair in another instance
// works on it at the same time.
class RepairLock {
public:
    explicit RepairLock(const std::string& path)
        : fd_(open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC)) {
        if (fd_ < 0) return;
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        if (fcntl(fd_, F_OFD_SETLK, &lock) != 0) inUse_ = errno == EAGAIN || errno == EACCES;
    }
    ~RepairLock() {
        if (fd_ >= 0) close(fd_);
    }
    RepairLock(const RepairLock&) = delete;
    RepairLock& operator=(const RepairLock&) = delete;

    // The file could not be opened for writing: it is not the user's to repair.
    bool Refused() const { return fd_ < 0; }
    // Another process writes or repairs the file now.
    bool InUse() const { return inUse_; }

private:
    int fd_;
    bool inUse_ = false;
};

// The line of the unrepaired list that stands for the file `name` as `info` describes it.
std::string UnrepairedLine(const std::string& name, const struct stat& info) {
    return std::to_string(info.st_size) + ' ' + std::to_string(info.st_mtim.tv_sec) + ' ' + name;
}

std::set<std::string> ReadLines(const std::string& path) {
    std::set<std::string> lines;
    std::ifstream stream(path);
    for (std::string line; std::getline(stream, line);) lines.insert(line);
    return lines;
}

}  // namespace

RepairResult RepairUnfinishedRecordings(const std::string& folder,
                                        std::chrono::system_clock::time_point before,
                                        const std::atomic<bool>& cancel,
                                        const RepairObserver& observer) {
    RepairResult result;
    const std::string listPath = OutputFilePath(folder, kUnrepairedListName);
    const std::set<std::string> toldBefore = ReadLines(listPath);
    std::vector<std::string> unrepaired;
    std::vector<std::string> names;
    if (DIR* listing = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(listing)) {
            if (IsRecordingFileName(entry->d_name)) names.emplace_back(entry->d_name);
        }
        closedir(listing);
    }
    const auto beforeNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(before.time_since_epoch()).count();
    for (const std::string& name : names) {
        if (cancel) break;
        const std::string path = OutputFilePath(folder, name);
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        const int64_t changedNs =
            int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec;
        if (changedNs >= beforeNs || !IsUnfinishedAvi(path) || !IsOwnRecording(path)) continue;
        const std::string line = UnrepairedLine(name, info);
        if (toldBefore.contains(line)) {
            unrepaired.push_back(line);
            continue;
        }
        const RepairLock lock(path);
        if (lock.InUse()) continue;
        std::string whyNot = platform::UserText("Recording", QT_TRANSLATE_NOOP("Recording", "it is write-protected"));
        if ((info.st_mode & S_IWUSR) == 0 || lock.Refused() ||
            !RepairRecording(path, cancel, observer, &whyNot)) {
            if (cancel) break;
            ++result.failed;
            result.failures.push_back({name, whyNot});
            unrepaired.push_back(line);
            continue;
        }
        ++result.repaired;
    }
    // The list names the files that still could not be repaired; one repaired, changed or gone
    // since drops out of it. Writing it may fail (a full disk): the failure is then told again.
    if (!cancel && (!unrepaired.empty() || !toldBefore.empty())) {
        if (unrepaired.empty()) {
            unlink(listPath.c_str());
        } else {
            std::ofstream list(listPath, std::ios::trunc);
            for (const std::string& line : unrepaired) list << line << '\n';
        }
    }
    return result;
}

RepairJob::RepairJob(std::string folder, std::chrono::system_clock::time_point before,
                     std::function<void(const RepairResult&)> done, RepairObserver observer)
    : shared_(std::make_shared<Shared>()) {
    shared_->done = std::move(done);
    // The thread owns a share of the state, so it may outlive this object (see Stop).
    std::thread([shared = shared_, folder = std::move(folder), before,
                 observer = std::move(observer)] {
        RepairResult result;
        // Nothing thrown leaves the thread; a failed search repairs nothing.
        try {
            result = RepairUnfinishedRecordings(folder, before, shared->cancel, observer);
        } catch (...) {
            result = {};
        }
        {
            std::lock_guard lock(shared->mutex);
            if (shared->done && !shared->cancel) shared->done(result);
            shared->ended = true;
        }
        shared->changed.notify_all();
    }).detach();
}

RepairJob::~RepairJob() {
    Stop(kStopWait);
}

void RepairJob::Stop(std::chrono::milliseconds limit) {
    shared_->cancel = true;
    std::unique_lock lock(shared_->mutex);
    shared_->changed.wait_for(lock, limit, [this] { return shared_->ended; });
    shared_->done = nullptr;
}

bool RepairJob::HasEnded() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->ended;
}

}  // namespace recording
