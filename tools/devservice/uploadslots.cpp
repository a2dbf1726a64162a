#include "tools/devservice/uploadslots.h"

#include "tools/devservice/jsonfiles.h"
#include "tools/devservice/randomtext.h"

#include <iostream>

namespace devservice {

bool UploadSlots::open(const std::string& folder, std::string* error) {
    std::lock_guard<std::mutex> lock(mutex_);
    slots_.clear();
    path_ = folder.empty() ? std::string() : folder + "/locations.json";
    if (path_.empty())
        return true;
    Json::Value root;
    if (!readJsonFileIfThere(path_, root, error))
        return false;
    try {
        const Json::Value& kept = root["locations"];
        for (const std::string& token : kept.getMemberNames()) {
            const Json::Value& entry = kept[token];
            slots_[token] = {entry["account"].asString(), entry["name"].asString(),
                             entry["size"].asUInt64(), entry["folder"].asString(),
                             entry["secured"].asInt()};
        }
    } catch (const Json::Exception& e) {
        if (error)
            *error = path_ + ": " + e.what();
        return false;
    }
    return true;
}

std::string UploadSlots::issue(UploadSlot slot) {
    const std::string token = randomHex(16);
    std::lock_guard<std::mutex> lock(mutex_);
    slots_[token] = std::move(slot);
    save();
    return token;
}

std::optional<UploadSlot> UploadSlots::find(const std::string& token) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = slots_.find(token);
    return it == slots_.end() ? std::nullopt : std::optional<UploadSlot>(it->second);
}

void UploadSlots::save() const {
    if (path_.empty())
        return;
    Json::Value root;
    Json::Value& kept = root["locations"] = Json::Value(Json::objectValue);
    for (const auto& [token, slot] : slots_) {
        Json::Value& entry = kept[token];
        entry["account"] = slot.accountId;
        entry["name"] = slot.name;
        entry["size"] = static_cast<Json::UInt64>(slot.size);
        entry["folder"] = slot.folder;
        entry["secured"] = slot.secured;
    }
    Json::StreamWriterBuilder builder;
    builder["emitUTF8"] = true;
    std::string error;
    if (!writeFileAtomically(path_, Json::writeString(builder, root) + "\n", &error))
        std::cerr << "devservice: cannot save upload locations: " << error << '\n';
}

} // namespace devservice
