#include "recording/Snapshot.h"

#include <opencv2/imgcodecs.hpp>

namespace recording {

bool SaveSnapshot(const capture::FramePipeline& pipeline, const std::string& path,
                  std::string& errorText) {
    cv::Mat frame;
    pipeline.CopyOutputFrame(frame);
    bool written = false;
    try {
        written = cv::imwrite(path, frame);
    } catch (const cv::Exception&) {
        written = false;
    }
    if (!written) {
        errorText = "Could not save the snapshot \"" + path +
                    "\". Check that the output folder exists and can be written to.";
    }
    return written;
}

}  // namespace recording
