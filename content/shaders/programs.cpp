// The shader programs of Contents/Shaders/: GLSL 1.20 for the OpenGL driver, one
// .golf file per material holding the vertex program, the marker line and the
// fragment program. Their constants (names and sizes) are what the game's
// callbacks send: NormalMap, BumpMap and WaterMap "invWorld", "worldViewProj",
// "lightPos" and "view" (vec4, only xyz read), "lightCol", "diffusedPow" and the
// water's "time" in ms; SpecularMap and PlasticMap "inverseWorld", "worldViewProj",
// "lightPos" and "view" (vec3). Samplers: "colourMap" on layer 0, "normalMap" on layer 1.
//
// The meshes carry no tangents, so the normal-texture programs build the surface's
// frame from screen-space derivatives. Kept cheap for software GL: one or two
// reads per texture, no loops.
#include <string>

#include "content/output.h"
#include "content/registry.h"
#include "presentation/shaders.h"

namespace {

// Vertex program of the normal-texture materials: object-space position, normal,
// directions to the light and to the eye, texture coordinate.
const char* const kLitVertex = R"(#version 120
uniform mat4 invWorld;
uniform mat4 worldViewProj;
uniform vec4 lightPos;
uniform vec4 view;
varying vec3 position;
varying vec3 normal;
varying vec3 toLight;
varying vec3 toEye;
varying vec3 up;
varying vec2 uv;

void main()
{
    gl_Position = worldViewProj * gl_Vertex;
    position = gl_Vertex.xyz;
    normal = gl_Normal;
    toLight = (invWorld * vec4(lightPos.xyz, 1.0)).xyz - gl_Vertex.xyz;
    toEye = (invWorld * vec4(view.xyz, 1.0)).xyz - gl_Vertex.xyz;
    up = normalize((invWorld * vec4(0.0, 1.0, 0.0, 0.0)).xyz);   // the same at every vertex: stays unit length
    uv = gl_MultiTexCoord0.xy;
}
)";

// Shared by the normal-texture fragment programs.
const char* const kLitFragmentHead = R"(#version 120
uniform vec4 lightCol;
uniform float diffusedPow;
uniform sampler2D colourMap;
uniform sampler2D normalMap;
varying vec3 position;
varying vec3 normal;
varying vec3 toLight;
varying vec3 toEye;
varying vec3 up;   // unit length
varying vec2 uv;
const vec3 kSkyLight = vec3(0.86, 0.93, 1.05);    // what faces up sees
const vec3 kSandLight = vec3(0.80, 0.62, 0.44);   // what faces down sees: light thrown up by the sand

// The surface's frame (along u, along v, normal) from how position and texture
// coordinate change across the screen.
mat3 surfaceFrame(vec3 n, vec3 p, vec2 t)
{
    vec3 dpx = dFdx(p);
    vec3 dpy = dFdy(p);
    vec2 dtx = dFdx(t);
    vec2 dty = dFdy(t);
    vec3 py = cross(dpy, n);
    vec3 px = cross(n, dpx);
    vec3 alongU = py * dtx.x + px * dty.x;
    vec3 alongV = py * dtx.y + px * dty.y;
    float scale = inversesqrt(max(max(dot(alongU, alongU), dot(alongV, alongV)), 1e-20));
    return mat3(alongU * scale, alongV * scale, n);
}

// Whole powers by squaring: the software rasteriser's pow is a log and an exp per pixel.
float pow4(float x) { float x2 = x * x; return x2 * x2; }
float pow8(float x) { return pow4(x * x); }

// A normal texture's texel in that frame; the pictures' green points to the top
// row, where v is 0. Strength scales the slopes.
vec3 relief(vec4 texel, float strength)
{
    vec3 d = texel.xyz * 2.0 - 1.0;
    return vec3(d.x * strength, -d.y * strength, d.z);
}
)";

// Scenery: the colour texture lit per pixel through the normal texture, with a faint sheen.
std::string litSurface(const char* title, float relief, float ambient, float sheen)
{
    return std::string("// ") + title + "\n" + kLitVertex + kFragmentProgramMarker + "\n" + kLitFragmentHead +
           "\nconst float kRelief = " + std::to_string(relief) + ";\nconst float kAmbient = " +
           std::to_string(ambient) + ";\nconst float kSheen = " + std::to_string(sheen) + ";\n" + R"(
void main()
{
    vec4 colour = texture2D(colourMap, uv);
    vec4 texel = texture2D(normalMap, uv);
    mat3 frame = surfaceFrame(normalize(normal), position, uv);
    vec3 n = normalize(frame * relief(texel, kRelief));
    vec3 l = normalize(toLight);
    vec3 e = normalize(toEye);
    float diffuse = max(dot(n, l), 0.0);
    float half8 = pow8(max(dot(n, normalize(l + e)), 0.0));
    float sheen = half8 * half8 * half8 * kSheen;   // to the 24th
    vec3 ambient = kAmbient * mix(kSandLight, kSkyLight, 0.5 + 0.5 * dot(n, up));
    float cavity = mix(0.6, 1.0, texel.z);   // steep slopes of the relief are its hollows
    vec3 light = (ambient + lightCol.rgb * (diffuse * diffusedPow)) * cavity;
    gl_FragColor = vec4(colour.rgb * light + lightCol.rgb * sheen, colour.a);
}
)";
}

// Level water: two layers of ripples drifting across each other, the sky mirrored
// at grazing angles and the sun's glint.
const char* const kLevelWaterBody = R"(
uniform float time;
const vec2 kDriftA = vec2(0.05, 0.03);     // texture repeats per second
const vec2 kDriftB = vec2(-0.04, 0.045);
const float kRipples = 2.0;                // repeats of the ripple texture across the surface
const vec3 kSky = vec3(0.62, 0.76, 0.88);

void main()
{
    float seconds = time * 0.001;
    vec2 a = uv * kRipples + fract(kDriftA * seconds);
    vec2 b = uv * (kRipples * 1.7) + fract(kDriftB * seconds);
    vec4 water = texture2D(colourMap, a);
    vec3 d = relief(texture2D(normalMap, a), 0.8) + relief(texture2D(normalMap, b), 0.8);
    vec3 n = normalize(surfaceFrame(normalize(normal), position, uv) * d);
    vec3 l = normalize(toLight);
    vec3 e = normalize(toEye);
    float facing = max(dot(n, e), 0.0);
    float fresnel = 0.08 + 0.92 * pow4(1.0 - facing);
    float diffuse = max(dot(n, l), 0.0);
    float glint = pow8(pow8(max(dot(reflect(-l, n), e), 0.0)));   // to the 64th
    vec3 body = water.rgb * (vec3(0.55) + lightCol.rgb * (0.45 * diffuse * diffusedPow));
    vec3 colour = mix(body, kSky, 0.75 * fresnel) + lightCol.rgb * (1.6 * glint);
    gl_FragColor = vec4(colour, clamp(water.a + 0.3 * fresnel + glint, 0.0, 1.0));
}
)";

// Falling water: streaks round the stream that wander with the ripples and foam
// pulled down it, the body clearer and the foam whiter and denser.
const char* const kFallingWaterBody = R"(
uniform float time;
const float kFall = 0.9;       // texture lengths per second
const float kStreaks = 7.0;    // streaks round the stream
const vec3 kDeep = vec3(0.22, 0.48, 0.64);
const vec3 kFoam = vec3(0.90, 0.95, 0.98);

void main()
{
    float seconds = time * 0.001;
    vec2 slow = vec2(uv.x * 0.5, uv.y * 0.2 - fract(seconds * kFall * 0.5));
    vec2 fast = vec2(uv.x * 0.7 + 0.3, uv.y * 0.5 - fract(seconds * kFall));
    vec4 wobble = texture2D(normalMap, slow);
    vec4 pulse = texture2D(normalMap, fast);
    float bands = 0.5 + 0.5 * sin((uv.x * kStreaks + 3.0 * (wobble.x - 0.5)) * 6.2832);
    float foam = smoothstep(0.35, 0.9, bands) * smoothstep(0.3, 0.6, pulse.y);
    vec3 n = normalize(surfaceFrame(normalize(normal), position, uv) * relief(pulse, 1.5));
    vec3 l = normalize(toLight);
    vec3 e = normalize(toEye);
    float diffuse = max(dot(n, l), 0.0);
    float away = 1.0 - max(dot(n, e), 0.0);
    float fresnel = away * away;
    float glint8 = pow8(max(dot(reflect(-l, n), e), 0.0));
    float glint = pow4(glint8);   // to the 32nd
    vec3 colour = mix(kDeep, kFoam, foam) * (vec3(0.65) + lightCol.rgb * (0.45 * diffuse * diffusedPow));
    colour += lightCol.rgb * glint;
    gl_FragColor = vec4(colour, clamp(0.55 + 0.45 * foam + 0.3 * fresnel + glint, 0.0, 1.0));
}
)";

std::string water(const char* title, const char* body)
{
    return std::string("// ") + title + "\n" + kLitVertex + kFragmentProgramMarker + "\n" + kLitFragmentHead + body;
}

// Vertex program of the specular and plastic materials; "up" is the world's up in
// the object's frame, for what the polish mirrors.
const char* const kShinyVertex = R"(#version 120
uniform mat4 inverseWorld;
uniform mat4 worldViewProj;
uniform vec3 lightPos;
uniform vec3 view;
varying vec3 normal;
varying vec3 toLight;
varying vec3 toEye;
varying vec3 up;
varying vec2 uv;

void main()
{
    gl_Position = worldViewProj * gl_Vertex;
    normal = gl_Normal;
    toLight = (inverseWorld * vec4(lightPos, 1.0)).xyz - gl_Vertex.xyz;
    toEye = (inverseWorld * vec4(view, 1.0)).xyz - gl_Vertex.xyz;
    up = (inverseWorld * vec4(0.0, 1.0, 0.0, 0.0)).xyz;
    uv = gl_MultiTexCoord0.xy;
}
)";

const char* const kShinyFragmentHead = R"(#version 120
uniform sampler2D colourMap;
varying vec3 normal;
varying vec3 toLight;
varying vec3 toEye;
varying vec3 up;
varying vec2 uv;
const vec3 kLight = vec3(0.8, 0.8, 0.7);

// Whole powers by squaring: the software rasteriser's pow is a log and an exp per pixel.
float pow4(float x) { float x2 = x * x; return x2 * x2; }
float cube(float x) { return x * x * x; }
)";

// Polished metal: the sky, the horizon's haze and the sand mirrored, tinted by the
// metal's colour, and a hard glint of the sun.
const char* const kSpecularBody = R"(const vec3 kSky = vec3(0.50, 0.68, 0.90);
const vec3 kHaze = vec3(0.96, 0.92, 0.84);
const vec3 kSand = vec3(0.42, 0.32, 0.21);

void main()
{
    vec3 base = texture2D(colourMap, uv).rgb;
    vec3 n = normalize(normal);
    vec3 l = normalize(toLight);
    vec3 e = normalize(toEye);
    vec3 r = reflect(-e, n);
    float height = dot(r, normalize(up));
    vec3 mirrored = height > 0.0 ? mix(kHaze, kSky, sqrt(height)) : mix(kHaze, kSand, min(1.0, 3.0 * -height));
    float fresnel = cube(1.0 - max(dot(n, e), 0.0));
    float diffuse = max(dot(n, l), 0.0);
    float g4 = pow4(max(dot(r, l), 0.0));
    float g12 = g4 * g4 * g4;
    float glint = pow4(g12) * g12;   // to the 60th
    vec3 tint = mix(vec3(1.0), base, 0.5);
    vec3 colour = base * (0.25 + 0.45 * diffuse) + mirrored * tint * (0.4 + 0.5 * fresnel) + kLight * (1.8 * glint);
    gl_FragColor = vec4(colour, 1.0);
}
)";

// Plastic: the colour lit softly, a broad soft highlight and a bright rim.
const char* const kPlasticBody = R"(
void main()
{
    vec3 base = texture2D(colourMap, uv).rgb;
    vec3 n = normalize(normal);
    vec3 l = normalize(toLight);
    vec3 e = normalize(toEye);
    float diffuse = max(dot(n, l), 0.0);
    float h2 = max(dot(n, normalize(l + e)), 0.0);
    h2 *= h2;
    float highlight = pow4(h2) * h2 * h2 * h2;   // to the 14th
    float rim = cube(1.0 - max(dot(n, e), 0.0));
    vec3 colour = base * (0.45 + 0.7 * diffuse) + kLight * (0.45 * highlight) + base * (0.35 * rim);
    gl_FragColor = vec4(colour, 1.0);
}
)";

std::string shiny(const char* title, const char* body)
{
    return std::string("// ") + title + "\n" + kShinyVertex + kFragmentProgramMarker + "\n" + kShinyFragmentHead +
           body;
}

void generateShaders(ContentOutput& output)
{
    output.write("Shaders/normal.golf", litSurface("normal.golf: scenery, bricks and pipes lit through their normal texture",
                                                   1.3f, 0.55f, 0.2f));
    output.write("Shaders/bump.golf", litSurface("bump.golf: the cacti, in stronger relief", 2.5f, 0.58f, 0.3f));
    output.write("Shaders/specular.golf", shiny("specular.golf: the putter's shaft, the cup and the flagpole", kSpecularBody));
    output.write("Shaders/plastic.golf", shiny("plastic.golf: the putter's grip", kPlasticBody));
    output.write("Shaders/waterH.golf", water("waterH.golf: level water", kLevelWaterBody));
    output.write("Shaders/waterV.golf", water("waterV.golf: falling water", kFallingWaterBody));
}

}  // namespace

REGISTER_GENERATOR(shaders, generateShaders);
