#include "net/code_key.h"

#include <QPasswordDigestor>

#include "net/crypto.h"
#include "net/invitation.h"

namespace kumora {

std::string code_key(std::string_view code) {
  const std::string canonical = canonical_code(code);
  const QByteArray key = QPasswordDigestor::deriveKeyPbkdf2(
      QCryptographicHash::Sha256, QByteArray::fromStdString(canonical),
      QByteArrayLiteral("kumora-net 1 code"), CODE_KEY_ITERATIONS, MAC_BYTES);
  return key.toStdString();
}

}  // namespace kumora
