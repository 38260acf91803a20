#pragma once

namespace appserver {

class MethodHandlers;

// The methods every server offers without a database: EchoString and ReverseString.
void RegisterBuiltinMethods(MethodHandlers &handlers);

} // namespace appserver
