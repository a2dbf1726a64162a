#include "tools/devservice/faultscript.h"

namespace devservice {

Fault Fault::status(int status, std::string body, std::string contentType) {
    Fault fault;
    fault.reply = Response();
    fault.reply->status = status;
    fault.reply->body = std::move(body);
    if (!contentType.empty())
        fault.reply->setHeader("Content-Type", contentType);
    return fault;
}

Fault Fault::wait(std::chrono::milliseconds delay) {
    Fault fault;
    fault.delay = delay;
    return fault;
}

Fault Fault::waitFor(std::function<bool()> condition) {
    Fault fault;
    fault.until = std::move(condition);
    return fault;
}

Fault Fault::cutBeforeReply() {
    Fault fault;
    fault.cut = Cut::BeforeReply;
    return fault;
}

Fault Fault::cutAfterRequest() {
    Fault fault;
    fault.cut = Cut::AfterRequest;
    return fault;
}

Fault Fault::cutMidReply(std::uint64_t bytesBeforeCut) {
    Fault fault;
    fault.cut = Cut::MidReply;
    fault.bytesBeforeCut = bytesBeforeCut;
    return fault;
}

Response Fault::applyTo(Response answer) const {
    if (reply)
        answer = *reply;
    if (cut == Cut::BeforeReply || cut == Cut::AfterRequest)
        answer.dropConnection = true;
    else if (cut == Cut::MidReply)
        answer.cutAfter = bytesBeforeCut;
    answer.readRequestFirst = cut == Cut::AfterRequest;
    return answer;
}

void FaultScript::at(const std::string& path, int call, Fault fault) {
    std::lock_guard<std::mutex> lock(mutex_);
    faults_[path][call] = std::move(fault);
}

void FaultScript::next(const std::string& path, Fault fault) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto& scripted = faults_[path];
    int call = calls_[path] + 1;
    while (scripted.count(call))
        ++call;
    scripted[call] = std::move(fault);
}

std::optional<Fault> FaultScript::take(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    const int call = ++calls_[path];
    const auto forPath = faults_.find(path);
    if (forPath == faults_.end())
        return std::nullopt;
    const auto it = forPath->second.find(call);
    if (it == forPath->second.end())
        return std::nullopt;
    Fault fault = std::move(it->second);
    forPath->second.erase(it);
    return fault;
}

int FaultScript::calls(const std::string& path) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = calls_.find(path);
    return it == calls_.end() ? 0 : it->second;
}

void FaultScript::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.clear();
    faults_.clear();
}

} // namespace devservice
