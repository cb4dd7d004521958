// Built only when the build found a JDK (KIVPARSER_WITH_JNI).
#ifdef KIVPARSER_WITH_JNI

#include "platform/KzJava.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>

namespace kivparser {

namespace {

const char emptyText[] = "";

// UTF-16 in the byte order of jchar on this machine.
const char* utf16Name()
{
    const uint16_t probe = 1;
    return *reinterpret_cast<const unsigned char*>(&probe) == 1 ? "UTF-16LE" : "UTF-16BE";
}

// Doubles the capacity of `*out`; false (and `*out` released) when memory runs out.
bool grow(jchar** out, size_t* capacity)
{
    jchar* bigger = static_cast<jchar*>(realloc(*out, 2 * *capacity * sizeof(jchar)));
    if (!bigger) {
        free(*out);
        *out = nullptr;
        return false;
    }
    *out = bigger;
    *capacity *= 2;
    return true;
}

// Converts `text` (`len` bytes in the locale's code set) to UTF-16 in a new
// buffer (released with free); *units receives its length. Null when memory
// runs out.
jchar* toUtf16(const char* text, size_t len, jsize* units)
{
    iconv_t cd = iconv_open(utf16Name(), nl_langinfo(CODESET));
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        // No converter for this code set: ASCII stays, anything else is unknown.
        jchar* out = static_cast<jchar*>(malloc((len + 1) * sizeof(jchar)));
        for (size_t i = 0; out && i < len; ++i) {
            unsigned char byte = static_cast<unsigned char>(text[i]);
            out[i] = byte < 0x80 ? byte : 0xFFFD;
        }
        if (out)
            *units = static_cast<jsize>(len);
        return out;
    }

    // One byte rarely yields more than two UTF-16 units; the buffer grows if
    // a code set proves otherwise.
    size_t capacity = 2 * len + 2;
    jchar* out = static_cast<jchar*>(malloc(capacity * sizeof(jchar)));
    char* in = const_cast<char*>(text);
    size_t inLeft = len;
    size_t used = 0;
    while (out) {
        // With the input used up, one last call writes out what a stateful
        // converter still holds.
        bool flushing = inLeft == 0;
        char* outPtr = reinterpret_cast<char*>(out + used);
        size_t outLeft = (capacity - used) * sizeof(jchar);
        size_t rc = flushing ? iconv(cd, nullptr, nullptr, &outPtr, &outLeft)
                             : iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        int err = errno;
        used = static_cast<size_t>(reinterpret_cast<jchar*>(outPtr) - out);
        if (rc != static_cast<size_t>(-1)) {
            if (flushing)
                break;
            continue;
        }
        if (err == E2BIG) {
            grow(&out, &capacity);
            continue;
        }
        if (flushing)
            break;
        // An invalid or truncated sequence: one replacement character for the
        // byte, then on behind it.
        if (used == capacity && !grow(&out, &capacity))
            break;
        out[used++] = 0xFFFD;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    if (out)
        *units = static_cast<jsize>(used);
    return out;
}

} // namespace

const char* javaNativeGetNonNULLStringUTFChars(JNIEnv* env, jstring str)
{
    if (!env || !str)
        return emptyText;
    const char* chars = env->GetStringUTFChars(str, nullptr);
    if (!chars) {
        // Out of memory inside the VM: it has thrown; the caller goes on with "".
        env->ExceptionClear();
        return emptyText;
    }
    return chars;
}

void javaNativeFreeNonNULLStringUTFChars(JNIEnv* env, jstring str, const char* chars)
{
    if (!env || !str || !chars || chars == emptyText)
        return;
    env->ReleaseStringUTFChars(str, chars);
}

int javaNativeSetStaticStringUseCodeset(JNIEnv* env, jclass cls, const char* fieldName,
                                        const char* value)
{
    if (!env || !cls || !fieldName)
        return -1;
    jfieldID field = env->GetStaticFieldID(cls, fieldName, "Ljava/lang/String;");
    if (!field) {
        env->ExceptionClear();
        return -1;
    }
    if (!value)
        value = emptyText;

    jsize units = 0;
    jchar* chars = toUtf16(value, strlen(value), &units);
    if (!chars)
        return -1;
    jstring text = env->NewString(chars, units);
    free(chars);
    if (!text) {
        env->ExceptionClear();
        return -1;
    }
    env->SetStaticObjectField(cls, field, text);
    env->DeleteLocalRef(text);
    return 0;
}

} // namespace kivparser

#endif
