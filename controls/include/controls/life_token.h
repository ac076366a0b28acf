#pragma once
// Whether an object still exists after a handler that may have destroyed
// it. The object owns a token; a watch taken before the handler runs has
// expired afterwards when the object went, also when a new object has since
// been made at the same address.
#include <memory>

using LifeWatch = std::weak_ptr<const void>;

class CLifeToken {
public:
    CLifeToken() = default;
    // A copy belongs to another object, with a life of its own.
    CLifeToken(const CLifeToken&) {}
    CLifeToken& operator=(const CLifeToken&) { return *this; }

    LifeWatch Watch() const { return m_life; }

private:
    std::shared_ptr<const void> m_life = std::make_shared<char>(0);
};
