// Built only when the build found a JDK (KIVPARSER_WITH_JNI).
#ifdef KIVPARSER_WITH_JNI

#include "platform/KzJava.h"

#include "platform/KzCodeset.h"

#include <cstdlib>
#include <cstring>

namespace kivparser {

namespace {

const char emptyText[] = "";

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

    size_t units = 0;
    uint16_t* chars = kzLocaleToUtf16(value, strlen(value), &units);
    if (!chars)
        return -1;
    jstring text = env->NewString(reinterpret_cast<const jchar*>(chars), static_cast<jsize>(units));
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
