#pragma once

#include "appserver/httpmessage.h"

#include <QString>

namespace appserver {
class Database;
}

namespace appserver::content {

class FormFields;

// The request page (formmailgonder.aspx) on which a computer the server does not know asks
// for access. The client opens it with the machine identifier in "id"; the form comes back by
// POST and is kept as an access request.
HttpAnswer AccessRequestForm(const QString &firmName, const FormFields &query);
HttpAnswer SubmitAccessRequest(Database &db, const QString &firmName, const FormFields &form,
                               const QString &remoteAddress);

} // namespace appserver::content
