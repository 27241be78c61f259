#include "segmentation/PersonMask.h"

#include "segmentation/Background.h"

#include <pthread.h>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace segmentation {

std::string ModelPathIn(const std::string& dataFolder) {
    return dataFolder + "/models/selfie_segmentation_landscape.tflite";
}

std::unique_ptr<PersonSegmenter> PersonSegmenter::Load(const std::string& modelPath,
                                                       std::string& error) {
    const auto model = LoadModel(modelPath, error);
    if (!model) return nullptr;
    auto network = Network::Build(*model, error);
    if (!network) {
        error = modelPath + ": " + error;
        return nullptr;
    }
    if (network->InputChannels() != 3 || network->OutputChannels() != 1) {
        error = modelPath + ": not a person segmentation model (it must take a colour picture)";
        return nullptr;
    }
    return std::unique_ptr<PersonSegmenter>(new PersonSegmenter(std::move(*network)));
}

const cv::Mat& PersonSegmenter::Segment(const cv::Mat& picture, OperatorCosts* costs) {
    // The network takes RGB values from 0 to 1.
    cv::resize(picture, small_, InputSize(), 0, 0, cv::INTER_AREA);
    cv::cvtColor(small_, small_, cv::COLOR_BGR2RGB);
    small_.convertTo(input_, CV_32F, 1.0 / 255);
    const float* out = network_.Run(input_.ptr<float>(), costs);
    cv::Mat(network_.OutputHeight(), network_.OutputWidth(), CV_32F, const_cast<float*>(out))
        .copyTo(output_);
    return output_;
}

const cv::Mat& MaskSmoother::Add(const cv::Mat& mask) {
    if (kept_.size() != mask.size() || kept_.type() != CV_32F) {
        mask.convertTo(kept_, CV_32F);
        return kept_;
    }
    for (int y = 0; y < mask.rows; ++y) {
        const float* m = mask.ptr<float>(y);
        float* k = kept_.ptr<float>(y);
        for (int x = 0; x < mask.cols; ++x) {
            // Sureness: 0 at 1/2, 1 at 0 or 1.
            const float sure = std::abs(2.0f * m[x] - 1.0f);
            const float share = kLeastUpdate + (1.0f - kLeastUpdate) * sure * sure;
            k[x] += (m[x] - k[x]) * share;
        }
    }
    return kept_;
}

void RefineMask(const cv::Mat& picture, const cv::Mat& mask, cv::Mat& alpha) {
    // The fast guided filter (He and Sun): in each window the output is a linear function of
    // the guide, a * I + b, fitted to the coarse mask; where the guide is flat it smooths the
    // mask, where the guide has an edge the output takes that edge. The coefficients are fitted
    // at half the working size and applied with the guide at the working size.
    const double scale = std::min(1.0, static_cast<double>(kRefineWidth) / picture.cols);
    const cv::Size work(std::max(2, static_cast<int>(picture.cols * scale)),
                        std::max(2, static_cast<int>(picture.rows * scale)));
    const cv::Size fit(work.width / 2, work.height / 2);
    cv::Mat reduced, grey, guide, guideFit, p;
    if (work != picture.size())
        cv::resize(picture, reduced, work, 0, 0, cv::INTER_AREA);
    else
        reduced = picture;
    cv::cvtColor(reduced, grey, cv::COLOR_BGR2GRAY);
    grey.convertTo(guide, CV_32F, 1.0 / 255);
    cv::resize(guide, guideFit, fit, 0, 0, cv::INTER_AREA);
    cv::resize(mask, p, fit, 0, 0, cv::INTER_LINEAR);
    // Windows three of the mask's cells wide either way: wide enough to reach from where the
    // coarse mask hesitates to the picture's edge that it stands for.
    const int radius =
        std::max(2, static_cast<int>(std::lround(3.0 * fit.width / std::max(mask.cols, 1))));
    const cv::Size window(2 * radius + 1, 2 * radius + 1);
    const double epsilon = 1e-3;
    cv::Mat meanI, meanP, corrII, corrIP;
    cv::boxFilter(guideFit, meanI, CV_32F, window);
    cv::boxFilter(p, meanP, CV_32F, window);
    cv::boxFilter(guideFit.mul(guideFit), corrII, CV_32F, window);
    cv::boxFilter(guideFit.mul(p), corrIP, CV_32F, window);
    const cv::Mat varI = corrII - meanI.mul(meanI);
    const cv::Mat covIP = corrIP - meanI.mul(meanP);
    cv::Mat a = covIP / (varI + epsilon);
    cv::Mat b = meanP - a.mul(meanI);
    cv::boxFilter(a, a, CV_32F, window);
    cv::boxFilter(b, b, CV_32F, window);
    cv::resize(a, a, work, 0, 0, cv::INTER_LINEAR);
    cv::resize(b, b, work, 0, 0, cv::INTER_LINEAR);
    cv::Mat q = a.mul(guide) + b;
    q.convertTo(alpha, CV_8U, 255.0);
    if (work != picture.size()) cv::resize(alpha, alpha, picture.size(), 0, 0, cv::INTER_LINEAR);
}

MaskWorker::MaskWorker(std::unique_ptr<PersonSegmenter> segmenter)
    : segmenter_(std::move(segmenter)), thread_([this] { Loop(); }) {}

MaskWorker::~MaskWorker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void MaskWorker::Offer(const cv::Mat& picture, uint32_t nowMs, int blur) {
    {
        std::lock_guard lock(mutex_);
        if (busy_ || stopping_ || (offeredOnce_ && nowMs - lastOfferMs_ < kMaskIntervalMs)) return;
        offeredOnce_ = true;
        lastOfferMs_ = nowMs;
        picture.copyTo(pending_);
        pendingBlur_ = blur;
        busy_ = true;
    }
    wake_.notify_one();
}

MaskWorker::Mask MaskWorker::Latest(uint64_t* serial) const {
    std::lock_guard lock(mutex_);
    if (serial) *serial = serial_;
    return latest_;
}

void MaskWorker::Reset() {
    std::lock_guard lock(mutex_);
    reset_ = true;
    latest_ = {};
}

void MaskWorker::Loop() {
    // Named, so the program's threads can be told apart in a process list.
    pthread_setname_np(pthread_self(), "quenvalor-mask");
    cv::Mat picture;
    for (;;) {
        int blur = 0;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || (busy_ && !pending_.empty()); });
            if (stopping_) return;
            cv::swap(picture, pending_);
            pending_.release();
            blur = pendingBlur_;
            if (reset_) {
                smoother_.Reset();
                reset_ = false;
            }
        }
        // New pictures each time: the road may still hold the ones it took before.
        Mask mask;
        mask.blur = blur;
        RefineMask(picture, smoother_.Add(segmenter_->Segment(picture)), mask.alpha);
        if (blur > 0) BlurBackground(picture, mask.alpha, blur, mask.blurred);
        {
            std::lock_guard lock(mutex_);
            busy_ = false;
            // A reset while this mask was made leaves it out: it belongs to the time before.
            if (!reset_) {
                latest_ = std::move(mask);
                ++serial_;
            }
        }
    }
}

}  // namespace segmentation
