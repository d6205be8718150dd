// The document's birth profile and birthplace table.
#include <mutex>

#include "doc/doc.h"

namespace vesm {

CProfile CvesmDoc::Profile() const {
    std::lock_guard guard(lock_);
    return settings_.profile;
}

void CvesmDoc::SetProfile(const CProfile& profile) {
    std::lock_guard guard(lock_);
    settings_.profile = profile;
}

std::size_t CvesmDoc::BirthplaceCount() const {
    return kBirthplaceCount;
}

Birthplace CvesmDoc::BirthplaceEntry(std::size_t index) const {
    return BirthplaceAt(index);
}

}  // namespace vesm
